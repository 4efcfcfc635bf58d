#include "playback/video_window.h"

#include "platform/text/gbk.h"

namespace playback {

void showVideoWindow(shell::MainContext& ctx) {
    ctx.Form6.Caption = text::gbk("视频播放 ") + ctx.state.MediaPath;
    ctx.Form6.visible = true;
}

void hideVideoWindow(shell::MainContext& ctx) { ctx.Form6.visible = false; }

void sizClick(shell::MainContext& ctx) {
    VideoForm& f = ctx.Form6;
    f.outerHeight = f.outerWidth * 1000 / f.VideoAspect;
    if (ctx.state.MediaFound) ctx.MediaPlayer1.setDisplayRect({0, 0, f.clientWidth, f.clientHeight});
}

}  // namespace playback
