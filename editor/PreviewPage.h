#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

namespace preview {
class DXDraw;
class Playback;
class QtDrawingSurface;
} // namespace preview

namespace profiles {
struct TProfile;
}

namespace editor {

class EditorDocument;

// The "Glowshow preview" page: choosing a normal glowshow and playing it on the device picture.
class PreviewPage : public QWidget {
    Q_OBJECT
public:
    PreviewPage(EditorDocument &document, profiles::TProfile &profile, std::function<QString(std::string_view)> text,
                std::function<bool()> documentLoaded);
    ~PreviewPage() override;

    // The lines of the normal glowshows, and the glowshow of each line; nothing is selected.
    void setGlowshows(const QStringList &labels, std::vector<int> glowshows);
    // New texts for the lines; the lines and the selection stay.
    void relabel(const QStringList &labels);
    // Selects the line of a glowshow chosen elsewhere (none for one that is not listed) and
    // offers PLAY exactly when a line is selected.
    void selectGlowshow(int glowshow);
    void setPlayEnabled(bool enabled);
    // Shows the first frame of the current glowshow while nothing plays.
    void showFirstFrame();
    void stop();
    preview::QtDrawingSurface &surface() { return *mSurface; }
    // PLAY or STOP, and one tick of the frame timer.
    void Button15Click();
    void Timer1Timer();

    QListWidget *ListBox2;
    QPushButton *Button15;
    QSlider *TrackBar4;
    QLabel *Label15, *Label17, *Label18;
    QCheckBox *CheckBox4;
    QLabel *FrameIndicator;
    preview::DXDraw *DXDraw;

signals:
    // The user chose the line of this glowshow.
    void glowshowChosen(int glowshow);
    // False while the preview plays: the document must not change under it.
    void editingAllowedChanged(bool allowed);

protected:
    // Edits made meanwhile show when the page comes back.
    void showEvent(QShowEvent *event) override;

private:
    class Controls;
    void ListBox2Click();
    // Shows "frame n / N" under the preview while it plays.
    void updateFrameIndicator();

    EditorDocument &mDocument;
    profiles::TProfile &mProfile;
    std::function<QString(std::string_view)> mText;
    std::function<bool()> mDocumentLoaded;
    std::vector<int> mGlowshows; // the glowshow of each line of ListBox2
    std::unique_ptr<preview::QtDrawingSurface> mSurface;
    std::unique_ptr<Controls> mControls;
    std::unique_ptr<preview::Playback> mPlayback;
};

} // namespace editor
