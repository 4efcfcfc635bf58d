#pragma once
// Texit7, kestrin's only window: "正在关闭计算机..." in a sunken frame,
// shown without a title bar while the system shuts down.

#include <QFrame>

class Texit7 : public QFrame {
public:
    Texit7();

private:
    void FormCreate();
};
