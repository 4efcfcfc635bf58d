#pragma once
// The video window TForm6: a top-level window whose one child is the
// player's display surface. It mirrors ctx.Form6 and keeps its height
// following its width.

#include <QWidget>

#include "platform/media/video_widget.h"
#include "shell/main_context.h"

namespace view {

class TForm6 : public QWidget {
public:
    // Makes its surface the player's display window for every later file.
    explicit TForm6(shell::MainContext& ctx);
    ~TForm6() override;

    void syncFromModel();
    media::VideoWidget& surface() { return surface_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    shell::MainContext& ctx_;
    media::VideoWidget surface_;
    bool syncing_ = false;
};

}  // namespace view
