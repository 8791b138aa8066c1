// Pictures of the whole display, numbered in the order they were taken and
// named after what they show.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/platform/graphics/bitmap.h"

namespace e2e {

TBitmap CaptureDisplay();

class TScreenshots {
public:
    // The folder is made when missing.
    explicit TScreenshots(std::wstring folder);

    // Saves the display as "NN-label.png" in the folder; returns the path.
    std::wstring Save(std::wstring_view label);
    const std::wstring& Folder() const { return FFolder; }
    const std::vector<std::wstring>& Saved() const { return FSaved; }

private:
    std::wstring FFolder;
    std::vector<std::wstring> FSaved;
};

// A label made fit for a file name: letters, digits, '-' and '.' stay, the
// rest becomes '_'.
std::wstring FileNameOf(std::wstring_view label);

}  // namespace e2e
