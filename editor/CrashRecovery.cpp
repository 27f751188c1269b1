#include "CrashRecovery.h"

#include "ErrorBox.h"
#include "GlowFileIO.h"
#include "Recovery.h"
#include "Unit1.h"

#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include <utility>

namespace editor {

namespace {

// Long enough that a drag or typing writes one copy at its end, short enough to lose little.
constexpr int RecoveryDelayMs = 2000;

} // namespace

CrashRecovery::CrashRecovery(TMForm &form, const QString &folder)
    : QObject(&form), mForm(form), mStore(std::make_unique<RecoveryStore>(folder)), mTimer(new QTimer(this))
{
    mTimer->setObjectName(QStringLiteral("RecoveryTimer"));
    mTimer->setSingleShot(true);
    mTimer->setInterval(RecoveryDelayMs);
    QUndoStack &stack = form.history().stack();
    // Every change restarts the wait: the copy is written once the user pauses.
    connect(&stack, &QUndoStack::indexChanged, mTimer, qOverload<>(&QTimer::start));
    connect(&stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            remove();
    });
    connect(mTimer, &QTimer::timeout, this, [this] {
        if (!mForm.document().isLoaded() || !mForm.history().isModified()) {
            remove();
            return;
        }
        try {
            mStore->write(mForm.Document);
        } catch (const std::exception &e) {
            // Said once: a folder that cannot take the copy will not take the next one either.
            if (!std::exchange(mFailed, true))
                showErrorBox(&mForm, mForm.uiText("RecoveryFailed").arg(QString::fromLocal8Bit(e.what())));
        }
    });
}

CrashRecovery::~CrashRecovery() = default;

void CrashRecovery::remove()
{
    mStore->remove();
}

void CrashRecovery::offerCopies()
{
    for (const RecoveryStore::Orphan &orphan : mStore->takeOrphans()) {
        const QString name = shownDocumentName(orphan.originalName.toStdString(), mForm.uiText("Untitled"));
        const QString time = QLocale().toString(orphan.time, QLocale::ShortFormat);
        QMessageBox box(QMessageBox::Question, QString::fromLatin1(ApplicationTitle),
                        mForm.uiText("RestoreChanges").arg(name, time), QMessageBox::Yes | QMessageBox::No, &mForm);
        box.setObjectName(QStringLiteral("RestoreChangesBox"));
        if (box.exec() != QMessageBox::Yes) {
            mStore->discard(orphan);
            continue;
        }
        if (!runGuarded(&mForm, [&] { mForm.openRecoveredCopy(orphan.copyPath, orphan.originalName); }))
            continue;
        mStore->discard(orphan);
        mTimer->start(0);
        return; // one document at a time; other copies are offered at the next start
    }
}

} // namespace editor
