#pragma once

#include <QSplashScreen>
#include <QTimer>

namespace vantrel {

// The splash window: a borderless picture centred on the screen that hides after 1250 ms or at
// the first key press or mouse button press the application sees while it is up.
class CSplashWindow : public QSplashScreen {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 1250;

    CSplashWindow();
    ~CSplashWindow() override;

    // Shows the window centred and starts its timer.
    void ShowSplash();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer timer_;
};

// The splash picture: the application icon and the product's name.
QPixmap SplashPicture();

} // namespace vantrel
