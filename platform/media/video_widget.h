#pragma once
// A plain widget that the player draws video into: it paints the latest
// frame, scaled into the target rectangle, over the window background.
// Works under any Qt platform, the offscreen one included.

#include <QImage>
#include <QRect>
#include <QWidget>

#include "playback/media_player.h"

namespace media {

class VideoWidget : public QWidget, public playback::VideoSurface {
public:
    explicit VideoWidget(QWidget* parent = nullptr);

    void showFrame(const playback::VideoFrame& frame) override;
    void setTarget(const playback::DisplayRect& rect) override;
    void clearPicture() override;

    const QImage& picture() const { return picture_; }
    QRect targetRect() const;  // in widget coordinates
    int framesShown() const { return framesShown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    playback::DisplayRect target_;
    int framesShown_ = 0;
};

}  // namespace media
