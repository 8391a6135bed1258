#pragma once

class CData;

// Times the cash register import on a catalogue (file L: 2,000 recipes, 200,000 sales):
// proposals for 500 register items against its dishes, and planning, booking and taking back
// an import of 10,000 receipt lines over 30 days. Prints Markdown table rows; median of
// `repeat` runs. The catalogue is as before when it returns.
void RunRegisterBookingBenchmark(CData& data, int repeat);
