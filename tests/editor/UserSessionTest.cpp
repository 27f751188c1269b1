// One whole session with the shipped sample and profiles, driven through the window as a user
// drives it: the saved file and the played preview are checked against what the edits must give.
#include "EditorFixture.h"
#include "GridFixture.h"

#include "model/GlowFile.h"
#include "preview/DXDraw.h"
#include "preview/QtDrawingSurface.h"

#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTimerEvent>

#include <algorithm>

namespace editor_test {
namespace {

const QString ProfilesDir = QStringLiteral(GLOW_DATA_DIR "/Profiles/");

// The sample's fourth glowshow, (80) "Music player": four frames of 200 ms in which elements
// 3 to 6 alternate red and magenta. Lumen X1 makes elements 5 and 6 on/off elements.
constexpr int MusicPlayer = 3;

class UserSessionTest : public GridFixtureBase {
protected:
    void clickTab(QTabWidget *pages, QWidget *page)
    {
        QTabBar *bar = pages->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(pages->indexOf(page)).center());
        processEvents();
        ASSERT_EQ(pages->currentWidget(), page);
    }

    void clickLine(QListWidget *list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        processEvents();
        ASSERT_EQ(list->currentRow(), row);
    }

    // Where the style draws the handle: the user grabs it there.
    static QRect handleRect(const QSlider *slider)
    {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        option.singleStep = slider->singleStep();
        option.pageStep = slider->pageStep();
        option.tickPosition = slider->tickPosition();
        option.tickInterval = slider->tickInterval();
        option.upsideDown =
            slider->orientation() == Qt::Vertical ? !slider->invertedAppearance() : slider->invertedAppearance();
        return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
    }

    void dragHandleToTop(QSlider *slider)
    {
        const QPoint grab = handleRect(slider).center();
        QTest::mousePress(slider, Qt::LeftButton, {}, grab);
        for (int y = grab.y(); y >= 0; y -= 4)
            QTest::mouseMove(slider, QPoint(grab.x(), y));
        QTest::mouseMove(slider, QPoint(grab.x(), 0));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(grab.x(), 0));
        processEvents();
    }

    void rightClickCell(int column, int row)
    {
        editor::EditGridView *grid = editGrid();
        const QPoint at = grid->visualRect(cell(column, row)).center();
        QTest::mousePress(grid->viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, at);
        processEvents();
    }

    void typeDuration(int column, const QString &text)
    {
        QTableWidget *grid = frameGrid();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1, column)).center());
        processEvents();
        auto *edit = grid->viewport()->findChild<QLineEdit *>();
        ASSERT_NE(edit, nullptr);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        processEvents();
    }
};

model::TFrameEntry &entryOf(model::TFrame &f, std::uint8_t element)
{
    auto it = std::find_if(f.Entries.begin(), f.Entries.end(),
                           [element](const model::TFrameEntry &e) { return e.Element == element; });
    if (it == f.Entries.end())
        throw std::runtime_error("no entry for element " + std::to_string(element));
    return *it;
}

const model::TFrameEntry *findEntry(const model::TFrame &f, std::uint8_t element)
{
    for (const model::TFrameEntry &e : f.Entries)
        if (e.Element == element)
            return &e;
    return nullptr;
}

// The sample as the edits of the session leave it, applied to its records here.
model::TDocument editedSample(const QByteArray &sample)
{
    model::TDocument doc;
    if (!model::DecodeGlowFile(doc, reinterpret_cast<const std::uint8_t *>(sample.constData()),
                               std::size_t(sample.size())))
        throw std::runtime_error("the sample is not a glowshow file");
    model::TGlowshow &g = doc.Glowshows.at(MusicPlayer);
    // A fifth frame, empty, 450 ms long.
    g.FrameCount = 5;
    g.Frames.resize(5);
    g.Frames[4].Duration = 450;
    // Element 3 in frame 0 was red: green dragged to the top, blue three steps up.
    model::TFrameEntry &edited = entryOf(g.Frames[0], 3);
    edited.Green = 15;
    edited.Blue = 3;
    // Element 1 added to all frames: a black entry at the end of each.
    for (model::TFrame &f : g.Frames) {
        f.Entries.push_back({1, 0, 0, 0});
        f.EntryCount = std::uint8_t(f.Entries.size());
    }
    // Right clicks: element 1 in frame 4 switched on, element 6 (magenta) in frame 2 off.
    entryOf(g.Frames[4], 1) = {1, 15, 15, 15};
    entryOf(g.Frames[2], 6) = {6, 0, 0, 0};
    // Moved up one line.
    std::swap(doc.Glowshows[MusicPlayer - 1], doc.Glowshows[MusicPlayer]);
    return doc;
}

QRgb blend(QRgb colour, QRgb under, int alpha)
{
    auto channel = [alpha](int c, int u) { return (c * alpha + u * (255 - alpha) + 127) / 255; };
    return qRgb(channel(qRed(colour), qRed(under)), channel(qGreen(colour), qGreen(under)),
                channel(qBlue(colour), qBlue(under)));
}

bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
           std::abs(qBlue(a) - qBlue(b)) <= 1;
}

QString rgbText(QRgb c)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// What the preview must show of the Lumen X1 skin (data/Profiles/Motorola Lumen X1.skin):
// the device picture with magenta left out over the background, full-colour elements as
// rectangles blended at their opacity, on/off elements as their pictures while lit.
class LumenX1Picture {
public:
    LumenX1Picture()
        : mDevice(QImage(ProfilesDir + QStringLiteral("Images/LumenX1.bmp")).convertToFormat(QImage::Format_RGB32))
    {
        for (int n : {5, 6})
            mElement[n] = QImage(ProfilesDir + QStringLiteral("Images/LumenX1_0%1.bmp").arg(n))
                              .convertToFormat(QImage::Format_RGB32);
    }

    bool loaded() const { return !mDevice.isNull() && !mElement[5].isNull() && !mElement[6].isNull(); }

    QRgb bare(QPoint p) const
    {
        const QRgb c = mDevice.pixel(p);
        return (c & 0xFFFFFF) == 0xFF00FF ? qRgb(236, 233, 216) : c;
    }

    // A point only the element's first rectangle covers, and its opacity.
    struct Rectangle {
        QPoint point;
        int opacity;
    };
    static Rectangle rectangleOf(int element)
    {
        switch (element) {
        case 1:
            return {{128, 352}, 140}; // 60,300 - 197,404
        case 3:
            return {{37, 200}, 230}; // 34,94 - 41,326
        case 4:
            return {{219, 200}, 230}; // 216,94 - 223,326
        }
        throw std::logic_error("not a full-colour element of the session");
    }
    static QPoint pictureCorner(int element) { return element == 5 ? QPoint(112, 256) : QPoint(122, 14); }

    // A pixel of the element's picture that is drawn (not magenta) and differs from the device.
    QPoint pictureProbe(int element) const
    {
        const QImage &img = mElement[element];
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if ((c & 0xFFFFFF) != 0xFF00FF && c != bare(pictureCorner(element) + QPoint(x, y)))
                    return {x, y};
            }
        throw std::logic_error("element picture shows nothing");
    }
    QRgb pictureAt(int element, QPoint inPicture) const { return mElement[element].pixel(inPicture); }

private:
    QImage mDevice;
    QImage mElement[7];
};

TEST_F(UserSessionTest, EditSaveAndPlayTheSampleWithTheLumenX1Profile)
{
    const QString samplePath = path(QStringLiteral("Sample.pat"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(GLOW_DATA_DIR "/samples/Sample.pat"), samplePath));
    QFile::setPermissions(samplePath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray sample = fileBytes(samplePath);

    editor::TMForm &f = start({samplePath});
    ASSERT_TRUE(unexpectedModals.empty()) << unexpectedModals.front().text.toStdString();
    ASSERT_EQ(widget<QTabWidget>("PageControl1")->currentWidget(), widget<QWidget>("Tab2"));
    ASSERT_EQ(widget<QListWidget>("ListBox1")->count(), 6);

    // The profile, on the Setup page.
    clickTab(widget<QTabWidget>("PageControl1"), widget<QWidget>("Tab1"));
    // The list is sorted: the next line after the default profile, taken with the arrow key.
    ASSERT_EQ(widget<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Motorola (All Models)"));
    QTest::keyClick(widget<QComboBox>("ComboBox2"), Qt::Key_Down);
    processEvents();
    ASSERT_EQ(widget<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Motorola Lumen X1"));

    // The glowshow, and one frame more, typed.
    clickTab(widget<QTabWidget>("PageControl1"), widget<QWidget>("Tab2"));
    clickLine(widget<QListWidget>("ListBox1"), MusicPlayer);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->item(MusicPlayer)->text(), QStringLiteral("(80) Music player"));
    ASSERT_EQ(widget<QSpinBox>("SpinEdit5")->value(), 4);
    QTest::keyClick(widget<QSpinBox>("SpinEdit5"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget<QSpinBox>("SpinEdit5"), QStringLiteral("5"));
    QTest::keyClick(widget<QSpinBox>("SpinEdit5"), Qt::Key_Return);
    processEvents();
    ASSERT_EQ(editGrid()->model()->columnCount(), 5);
    ASSERT_EQ(frameGrid()->columnCount(), 5);
    EXPECT_EQ(frameGrid()->item(1, 4)->text(), QStringLiteral("0"));

    // A cell, then its colour on the track bars: green dragged to the top, blue up three steps.
    clickCell(0, 2);
    ASSERT_TRUE(widget<QGroupBox>("GroupBox6")->isVisible());
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), QStringLiteral("15"));
    EXPECT_EQ(widget<QLineEdit>("Edit3")->text(), QStringLiteral("0"));
    dragHandleToTop(widget<QSlider>("TrackBar2"));
    EXPECT_EQ(widget<QLineEdit>("Edit3")->text(), QStringLiteral("15"))
        << "the top of a colour track bar is full strength";
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(widget<QSlider>("TrackBar3"), Qt::Key_Up);
    processEvents();
    EXPECT_EQ(widget<QLineEdit>("Edit4")->text(), QStringLiteral("3"));
    EXPECT_EQ(cellColour(0, 2), QColor(255, 255, 51));

    // An empty cell of the new frame, then element 1 into every frame.
    clickCell(4, 0);
    EXPECT_TRUE(cellShowsPattern(4, 0));
    EXPECT_TRUE(widget<QPushButton>("Button1")->isEnabled());
    clickSlot(0);
    ASSERT_EQ(widget<QTabWidget>("PageControl2")->currentWidget(), widget<QWidget>("TabSheet1"));
    click(widget<QPushButton>("Button9"));
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(cellColour(column, 0), QColor(0, 0, 0)) << "column " << column;

    // Right clicks switch cells on and off without moving the current cell.
    rightClickCell(4, 0);
    EXPECT_EQ(cellColour(4, 0), QColor(255, 255, 255));
    EXPECT_EQ(cellColour(2, 5), QColor(255, 0, 0)) << "magenta lights the on/off element in its colour";
    rightClickCell(2, 5);
    EXPECT_EQ(cellColour(2, 5), QColor(0, 0, 0));
    EXPECT_EQ(editGrid()->currentIndex(), cell(4, 0));

    typeDuration(4, QStringLiteral("450"));
    EXPECT_EQ(frameGrid()->item(1, 4)->text(), QStringLiteral("450"));

    click(widget<QPushButton>("Button11"));
    EXPECT_EQ(widget<QListWidget>("ListBox1")->currentRow(), MusicPlayer - 1);
    EXPECT_EQ(widget<QListWidget>("ListBox1")->item(MusicPlayer - 1)->text(), QStringLiteral("(80) Music player"));

    // Save with its shortcut; the file was named on the command line.
    QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
    processEvents();
    model::TDocument expected = editedSample(sample);
    const std::vector<std::uint8_t> expectedBytes = model::EncodeGlowFile(expected);
    const QByteArray want(reinterpret_cast<const char *>(expectedBytes.data()), qsizetype(expectedBytes.size()));
    const QByteArray saved = fileBytes(samplePath);
    EXPECT_EQ(saved.size(), want.size());
    const auto [differs, unused] = std::mismatch(saved.begin(), saved.end(), want.begin(), want.end());
    EXPECT_EQ(differs, saved.end()) << "first difference at offset " << (differs - saved.begin());
    EXPECT_TRUE(unexpectedModals.empty());

    // The edited glowshow played to its end.
    clickTab(widget<QTabWidget>("PageControl1"), widget<QWidget>("Tab3"));
    const int previewLine = widget<QListWidget>("ListBox2")
                                ->row(widget<QListWidget>("ListBox2")
                                          ->findItems(QStringLiteral("(80) Music player"), Qt::MatchExactly)
                                          .value(0));
    ASSERT_GE(previewLine, 0);
    clickLine(widget<QListWidget>("ListBox2"), previewLine);
    ASSERT_TRUE(widget<QPushButton>("Button15")->isEnabled());
    const QString play = widget<QPushButton>("Button15")->text();

    struct Shown {
        QImage picture;
        int interval; // the interval the frame was drawn after
    };
    std::vector<Shown> shown;
    preview::QtDrawingSurface &surface = f.previewSurface();
    QObject::connect(&surface, &preview::QtDrawingSurface::flipped, &surface, [&] {
        shown.push_back({surface.frontBuffer().copy(), widget<QTimer>("Timer1")->interval()});
    });
    QTest::mouseClick(widget<QPushButton>("Button15"), Qt::LeftButton);
    processEvents();
    EXPECT_TRUE(widget<preview::DXDraw>("DXDraw")->isVisible());
    EXPECT_FALSE(widget<QWidget>("Tab1")->isEnabled());
    EXPECT_FALSE(widget<QMenu>("File2")->menuAction()->isEnabled());
    EXPECT_NE(widget<QPushButton>("Button15")->text(), play);
    ASSERT_TRUE(widget<QTimer>("Timer1")->isActive());

    // The timer's own event, delivered at once instead of waiting out the frames; a tick the
    // real timer delivers meanwhile is recorded the same way.
    for (int ticks = 0; ticks < 10 && widget<QTimer>("Timer1")->isActive(); ++ticks) {
        QTimerEvent tick(widget<QTimer>("Timer1")->timerId());
        QCoreApplication::sendEvent(widget<QTimer>("Timer1"), &tick);
        processEvents();
    }
    EXPECT_FALSE(widget<QTimer>("Timer1")->isActive());
    EXPECT_EQ(widget<QPushButton>("Button15")->text(), play);
    EXPECT_TRUE(widget<QWidget>("Tab1")->isEnabled());
    EXPECT_TRUE(widget<QWidget>("Tab2")->isEnabled());
    EXPECT_TRUE(widget<QMenu>("File2")->menuAction()->isEnabled());

    const model::TGlowshow &played = expected.Glowshows.at(MusicPlayer - 1);
    ASSERT_EQ(shown.size(), played.Frames.size());
    const LumenX1Picture skin;
    ASSERT_TRUE(skin.loaded());
    bool lit[7] = {};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const model::TFrame &frame = played.Frames[i];
        const QImage &picture = shown[i].picture;
        // The first frame comes 100 ms after the start at full speed, each next one after
        // the duration of the one before.
        EXPECT_EQ(shown[i].interval, i == 0 ? 100 : played.Frames[i - 1].Duration) << "frame " << i;
        for (int element : {1, 3, 4}) {
            const auto [point, opacity] = LumenX1Picture::rectangleOf(element);
            const model::TFrameEntry *e = findEntry(frame, std::uint8_t(element));
            const QRgb want =
                e ? blend(qRgb(e->Red * 17, e->Green * 17, e->Blue * 17), skin.bare(point), opacity) : skin.bare(point);
            EXPECT_TRUE(near(picture.pixel(point), want))
                << "frame " << i << " element " << element << ": " << rgbText(picture.pixel(point)).toStdString()
                << " instead of " << rgbText(want).toStdString();
        }
        for (int element : {5, 6}) {
            if (const model::TFrameEntry *e = findEntry(frame, std::uint8_t(element)))
                lit[element] = (e->Blue & 1) != 0;
            const QPoint probe = skin.pictureProbe(element);
            const QPoint at = LumenX1Picture::pictureCorner(element) + probe;
            const QRgb want = lit[element] ? skin.pictureAt(element, probe) : skin.bare(at);
            EXPECT_EQ(rgbText(picture.pixel(at)).toStdString(), rgbText(want).toStdString())
                << "frame " << i << " element " << element << (lit[element] ? " lit" : " unlit");
        }
    }
    EXPECT_EQ(widget<QTimer>("Timer1")->interval(), played.Frames.back().Duration);
}

} // namespace
} // namespace editor_test
