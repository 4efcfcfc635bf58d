#pragma once
// The video window TForm6 as data. Its height follows its width in the
// proportions it was created with.

#include <string>

namespace playback {

struct VideoForm {
    VideoForm() : VideoAspect(outerWidth * 1000 / outerHeight) {}

    bool visible = false;
    std::string Caption;  // GBK
    int left = 171, top = 103;
    int outerWidth = 476, outerHeight = 344;
    int clientWidth = 468, clientHeight = 317;  // kept up to date by the window
    int VideoAspect;  // outer width * 1000 / outer height at creation
};

}  // namespace playback
