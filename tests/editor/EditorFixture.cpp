#include "EditorFixture.h"

#include "TestHelpers.h"
#include "editor/AboutForm.h"
#include "editor/CommandLine.h"
#include "editor/Unit2.h"
#include "model/GlowFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace editor_test {

QString FakeFileDialogs::openFileName(QWidget *)
{
    ++openCalls;
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString FakeFileDialogs::saveFileName(QWidget *)
{
    ++saveCalls;
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

QString FakeFileDialogs::exportFileName(QWidget *, const QStringList &filters, const QString &suggested)
{
    exportFilters.append(filters);
    exportSuggestions.append(suggested);
    return exportNames.isEmpty() ? QString() : exportNames.takeFirst();
}

QString FakeFileDialogs::importFileName(QWidget *, const QStringList &)
{
    return importNames.isEmpty() ? QString() : importNames.takeFirst();
}

namespace {

ModalSeen describe(QWidget *w)
{
    ModalSeen seen;
    seen.className = QString::fromLatin1(w->metaObject()->className());
    seen.title = w->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(w))
        seen.text = box->text();
    return seen;
}

void closeModal(QWidget *w)
{
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
        if (QAbstractButton *button = box->defaultButton() ? box->defaultButton() : box->buttons().value(0)) {
            button->click();
            return;
        }
    }
    if (auto *dialog = qobject_cast<QDialog *>(w))
        dialog->reject();
    else
        w->close();
}

} // namespace

void EditorFixture::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    mModalTimer = std::make_unique<QTimer>();
    mModalTimer->setInterval(5);
    QObject::connect(mModalTimer.get(), &QTimer::timeout, [this] { pollModal(); });
    mModalTimer->start();
}

void EditorFixture::TearDown()
{
    // The windows are children of MForm: the forms' own destructor takes them down in order.
    {
        editor::EditorForms closing = std::move(forms);
    }
    mModalTimer.reset();
    EXPECT_TRUE(mAnswers.empty()) << mAnswers.size() << " queued modal answer(s) never used";
}

void EditorFixture::pollModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    ModalSeen seen = describe(modal);
    if (mAnswers.empty()) {
        unexpectedModals.push_back(seen);
        closeModal(modal);
        return;
    }
    auto answer = std::move(mAnswers.front());
    mAnswers.pop_front();
    modalsSeen.push_back(seen);
    answer(modal);
}

editor::TMForm &EditorFixture::start(const QStringList &arguments, const QString &programDir)
{
    editor::EditorEnvironment environment;
    environment.programDir = programDir.isEmpty() ? QStringLiteral(GLOW_DATA_DIR "/") : programDir;
    environment.arguments = arguments;
    environment.dialogs = &dialogs;
    environment.settingsFile = settingsFile;
    environment.recoveryFolder = dir.filePath(QStringLiteral("recovery"));
    {
        editor::EditorForms previous = std::move(forms);
    }
    forms = editor::createForms(std::move(environment));
    forms.MForm->show();
    processEvents();
    return *forms.MForm;
}

editor::TMForm &EditorFixture::startWith(const model::TDocument &doc, const QString &name)
{
    editor::TMForm &f = start();
    openThroughDialog(writePat(name, doc));
    return f;
}

void EditorFixture::openThroughDialog(const QString &path)
{
    dialogs.openNames.append(path);
    trigger(action("AOpenFile"));
}

void EditorFixture::saveAsThroughDialog(const QString &path)
{
    dialogs.saveNames.append(path);
    trigger(action("ASaveAs"));
}

void EditorFixture::trigger(QAction *action)
{
    action->trigger();
    processEvents();
}

QString EditorFixture::path(const QString &name) const
{
    return dir.filePath(name);
}

QString EditorFixture::writePat(const QString &name, model::TDocument doc) const
{
    const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(doc);
    return writeBytes(name, QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
}

QString EditorFixture::writeBytes(const QString &name, const QByteArray &bytes) const
{
    const QString p = path(name);
    testing_support::writeAll(p, bytes);
    return p;
}

QByteArray EditorFixture::fileBytes(const QString &path)
{
    return testing_support::readAll(path);
}

void EditorFixture::answerNextModal(std::function<void(QWidget *)> answer)
{
    mAnswers.push_back(std::move(answer));
}

void EditorFixture::acceptNextMessageBox()
{
    answerNextModal([](QWidget *w) { closeModal(w); });
}

void EditorFixture::answerMessageBox(int button)
{
    answerNextModal([button](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QAbstractButton *pressed = box ? box->button(QMessageBox::StandardButton(button)) : nullptr;
        if (!pressed) {
            ADD_FAILURE() << "expected a message box with button " << button << ", got "
                          << w->metaObject()->className();
            closeModal(w);
            return;
        }
        pressed->click();
    });
}

void EditorFixture::answerGlowshowType(int button)
{
    answerNextModal([button](QWidget *w) {
        auto *type = qobject_cast<editor::TSForm *>(w);
        if (!type) {
            ADD_FAILURE() << "expected the glowshow type dialog, got " << w->metaObject()->className();
            closeModal(w);
            return;
        }
        QPushButton *b = button == 1 ? type->Button1 : button == 2 ? type->Button2 : type->Button3;
        b->click();
    });
}

void EditorFixture::processEvents()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

model::TFrameEntry entry(std::uint8_t element, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return {element, red, green, blue};
}

model::TFrame frame(std::uint16_t duration, std::vector<model::TFrameEntry> entries)
{
    model::TFrame f;
    f.Duration = duration;
    f.EntryCount = std::uint8_t(entries.size());
    f.Entries.assign(entries.begin(), entries.end());
    return f;
}

model::TGlowshow normalGlowshow(std::uint8_t id, std::vector<model::TFrame> frames)
{
    model::TGlowshow g;
    g.Id = id;
    g.Kind = model::KindNormal;
    g.FrameCount = std::uint8_t(frames.size());
    g.Frames = std::move(frames);
    return g;
}

model::TClubFrame channel(std::uint8_t element, std::uint16_t upper, std::uint16_t lower,
                          std::vector<model::TClubStep> steps)
{
    model::TClubFrame c;
    c.Element = element;
    c.UpperFrequency = upper;
    c.LowerFrequency = lower;
    c.StepCount = std::uint8_t(steps.size());
    c.Steps = std::move(steps);
    return c;
}

model::TGlowshow rhythmGlowshow(std::uint8_t id, std::uint8_t stepCount, std::vector<model::TClubFrame> channels)
{
    model::TGlowshow g;
    g.Id = id;
    g.Kind = model::KindRhythm;
    g.StepCount = stepCount;
    g.FrameCount = std::uint8_t(channels.size());
    g.Channels = std::move(channels);
    return g;
}

model::TDocument documentOf(std::vector<model::TGlowshow> glowshows)
{
    model::TDocument doc;
    doc.Glowshows = std::move(glowshows);
    doc.GlowFile.GlowshowCount = std::uint8_t(doc.Glowshows.size());
    // Through the file image, so the document is exactly what reading that file gives.
    const std::vector<std::uint8_t> bytes = model::EncodeGlowFile(doc);
    model::TDocument read;
    if (!model::DecodeGlowFile(read, bytes.data(), bytes.size()))
        ADD_FAILURE() << "test document does not encode to a readable file";
    return read;
}

} // namespace editor_test
