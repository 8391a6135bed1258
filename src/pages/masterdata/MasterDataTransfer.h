#pragma once

#include <span>

class CData;
class CMessageService;
class CSubDialog;

// The one way the master data pages' edits go into the catalogue: on a save, on exit and when
// the tab or the section changes.
namespace MasterDataTransfer {

// Stores what the pages hold. A number field whose text is no number stops it before anything
// is stored: "Geben Sie eine Zahl ein." (61713), and the field gets the focus with its text
// selected. A group name that recipes still use and the user emptied is kept, shown again and
// reported once (120). False when nothing was stored.
[[nodiscard]] bool Take(std::span<CSubDialog* const> pages, CData& data, CMessageService& messages);

} // namespace MasterDataTransfer
