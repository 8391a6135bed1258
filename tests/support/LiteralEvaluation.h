#pragma once

#include "evaluation/EvaluationValues.h"

class CEvaluationWindows;

// The evaluation by its definition: CData::EvaluateSales for every series and month, months x
// series walks over all sales. The fast build must give these values bit for bit.
CEvaluationValues ComputeEvaluationLiterally(const CData& data, const CEvaluationWindows& windows,
                                             EMeasure measure, bool perMonth, bool originalData);
