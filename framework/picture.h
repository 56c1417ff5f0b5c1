// Pictures, loaded by file name from the application's own resource folder.
#pragma once

#include "framework/runtime.h"

#include <memory>
#include <string>
#include <string_view>

class Picture : public Object {
  public:
    static const ClassRecord& Record();
    // The picture from the resource folder, read afresh at each call, or nil when the file
    // is missing, no regular file (a pipe, a device, a folder), empty, too large or can't be
    // decoded; the first failure of each file is named on stderr. The format is read from the
    // content, so a name needs no extension.
    static std::shared_ptr<Picture> _OpenFromApp(std::string_view fileName);

    ~Picture() override;
    int Width() const;
    int Height() const;
    const std::string& FileName() const { return fileName_; }

    struct Pixels;
    const Pixels& Image() const { return *pixels_; }

  private:
    std::string fileName_;
    std::unique_ptr<Pixels> pixels_;
};

using PictureRef = std::shared_ptr<Picture>;

namespace fw {
// Where the pictures are read from: beside the executable in the build tree, or the
// installed share/holomina/resources, whatever the executable is called; tests may point it
// elsewhere.
std::string ResourceFolder();
} // namespace fw
