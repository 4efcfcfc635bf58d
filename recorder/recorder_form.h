#pragma once
// The recorder window Tdstx as data.

#include <string>

namespace recorder {

struct RecorderForm {
    bool visible = false;
    std::string RecordFilePath;  // GBK: the last recording started in this run
    bool RecordBlink = true;
    std::string Edit88 = "65535";  // the position, while stop is enabled
    std::string Edit83 = "65535";  // the length of the file previewed
    int Timer1Interval = 0;        // 500 while recording or previewing

    std::string Edit1;          // GBK: the file to record or preview
    int RadioGroup1Index = 0;   // channels: 单声道, 立体声
    int RadioGroup2Index = 1;   // bits: 8, 16
    int RadioGroup3Index = 0;   // rate: 11025, 22050, 44100
    std::string label1;         // GBK: 正在录音... / 正在试听...
    bool btstartEnabled = true, btstopEnabled = false, Button1Enabled = false;
    bool indicatorVisible = false;  // Shape2 and Shape3
    bool Shape3Shown = true;        // the blinking circle within the indicator
    bool Shape3Red = true;          // red recording, lime green previewing
};

}  // namespace recorder
