// TAboutBox on Qt: the modal About window with its product texts, animated logo,
// quotation, free-resources figure and links. What the window does is
// orr::AboutForm's; this class creates the widgets from the shared design and is its view.
#pragma once

#include <QDialog>
#include <QMargins>
#include <QTimer>
#include <array>

#include "about/about_form.h"
#include "about/about_scene.h"

class OkButton;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class StretchedPicture;
class TGIFImage;

class TAboutBox : public QDialog, public orr::about::Scene, public orr::AboutForm {
    Q_OBJECT

public:
    // Owned by the main window, so that it always lies above it.
    explicit TAboutBox(QWidget* owner = nullptr);

    QWidget* Widget(orr::about::Control control) const
    {
        return controls_[static_cast<std::size_t>(control)];
    }

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    StretchedPicture* Vintrel_Logo_Banner_Image = nullptr;
    QFrame* Bevel1 = nullptr;
    TGIFImage* Vintrel_Logo_GIFImage = nullptr;
    QLabel* Quote_From_Vintrel_Label = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Author_and_Date = nullptr;
    QLabel* Developed_using = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Software_Status = nullptr;
    QLabel* Comments = nullptr;
    QLabel* WEB_Page_Label = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Email_Address_Label = nullptr;
    QLabel* WEB_Address_Label = nullptr;
    QPushButton* Email_Button = nullptr;
    QPushButton* WEB_Button = nullptr;
    OkButton* OKButton = nullptr;
    QFrame* Bevel3 = nullptr;
    StretchedPicture* Badge_Logo = nullptr;
    QLabel* Badge_Label = nullptr;
    QTimer* Quote_Change_Timer = nullptr;
    QTimer* Free_Resources_Timer = nullptr;

    // The view, beside the controls the scene keeps.
    void SetTimerEnabled(orr::AboutTimer timer, bool enabled) override;
    void SetLogoAnimate(bool on) override;
    void SetWindowCaption(const std::string& caption) override
    {
        setWindowTitle(QString::fromStdString(caption));
    }
    void HandToShell(const std::string& target) override;
    void CloseWindow() override;

public slots:
    // Escape, and a close request from the window manager.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    orr::about::Size TextSize(orr::about::Control control) const override;
    void Changed(orr::about::Control control, orr::about::Change change,
                 const orr::about::Rect& was) override;

private:
    QWidget* Create(const orr::about::Design& design);
    void CreateTimers();
    QMargins FrameMargins() const;
    void CentreOnScreen();
    void WatchFirstFrame();
    template <typename T>
    T* As(orr::about::Control control) const
    {
        return static_cast<T*>(Widget(control));
    }

    std::array<QWidget*, orr::about::kControlCount> controls_{};
    // The window manager's frame: known once it has framed the window, guessed before.
    static constexpr int kFrameWatchTicks = 50;
    QMargins frame_;
    QMargins placed_with_;
    QTimer frame_watch_;
    int frame_watch_ticks_ = 0;
};
