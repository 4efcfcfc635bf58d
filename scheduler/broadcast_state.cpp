#include "scheduler/broadcast_state.h"

#include "platform/text/gbk.h"

namespace scheduler {

std::array<std::string, 16> startTips() {
    static constexpr const char* utf8[8] = {
        "  ☆ 停播时间留空则播完当前文件后跳至下一项。",
        "  ☆ 时间输入标准格式示例：12:15:00 或 5:00:13 。",
        "  ☆ 系统默认最后一次播出结束后约5分钟自动关机。",
        "  ☆ 开播时间留空则该文件将接在上一项文件播完时播放。",
        "  ☆ 修改和编辑作息时间表前请先选手动操作。",
        "  ☆ 停播时间中所设时间为标准格式不再支持连续播放的秒数。",
        "  ☆ 一曲播完但停播时间未到当前文件将循环播放。",
        "  ☆ 修改序号可调整相应行在作息时间表中的位置。",
    };
    std::array<std::string, 16> tips;
    for (int i = 0; i < 8; ++i) tips[i] = text::gbk(utf8[i]);
    return tips;
}

}  // namespace scheduler
