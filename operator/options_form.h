#pragma once
// The options dialog TForm4 as data. RadioGroup1 (end of the list),
// RadioGroup9 (folder play order) and trackbar1 (volume) are read live by
// the schedule and the player.

#include <string>

namespace operation {

struct OptionsForm {
    bool visible = false;
    int pageIndex = 3;  // "结束方式" shows at the first opening

    // 定时关机
    std::string MaskEdit1, MaskEdit2;  // the two shutdown times, as typed
    // 初始音量
    int trackbar1Position = 0;  // 0..255
    // 目录或文件
    std::string Edit71;             // GBK: the folder or file to assign
    std::string DirectoryListBox2;  // GBK: the folder list's folder, ending in '/'
    bool dirokEnabled = false;
    int RadioGroup9Index = 0;  // 0 in sequence, 1 at random; never stored
    // 结束方式
    int RadioGroup1Index = 0;  // 0 shut down in 5 min, 1 quit, 2 replay, 3 wait
    bool CheckBox1 = false;    // 设为默认值
    // 权限论证
    int RadioGroup2Index = 0;  // 0 the password is required, 1 anyone may operate
};

}  // namespace operation
