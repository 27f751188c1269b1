// Nothing is lost: the question before a modified document is closed, and the recovery copy.
#include "Unit1.h"

#include "EditPage.h"

#include "ErrorBox.h"
#include "GlowFileIO.h"
#include "Recovery.h"

#include <QAction>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace editor {

namespace {

// Long enough that a drag or typing writes one copy at its end, short enough to lose little.
constexpr int RecoveryDelayMs = 2000;

QString shownName(const std::string &fileName, const QString &untitled)
{
    return fileName.empty() ? untitled : QFileInfo(QString::fromStdString(fileName)).fileName();
}

} // namespace

bool TMForm::askToSaveChanges()
{
    if (!mDocument.isLoaded() || !history().isModified())
        return true;
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(ApplicationTitle),
                    uiText("SaveChanges").arg(shownName(Document.GlowFile.FileName, uiText("Untitled"))),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("SaveChangesBox"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        // A failed or cancelled save leaves the document modified: the command stops.
        runGuarded(this, [this] { ASave(); });
        return !history().isModified();
    case QMessageBox::Discard:
        mRecovery->remove();
        return true;
    default:
        return false;
    }
}

void TMForm::startRecovery()
{
    mRecovery = std::make_unique<RecoveryStore>(mEnvironment.recoveryFolder);
    mRecoveryTimer = new QTimer(this);
    mRecoveryTimer->setObjectName(QStringLiteral("RecoveryTimer"));
    mRecoveryTimer->setSingleShot(true);
    mRecoveryTimer->setInterval(RecoveryDelayMs);
    // Every change restarts the wait: the copy is written once the user pauses.
    connect(&history().stack(), &QUndoStack::indexChanged, mRecoveryTimer, qOverload<>(&QTimer::start));
    connect(&history().stack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            mRecovery->remove();
    });
    connect(mRecoveryTimer, &QTimer::timeout, this, [this] {
        if (!mDocument.isLoaded() || !history().isModified()) {
            mRecovery->remove();
            return;
        }
        try {
            mRecovery->write(Document);
        } catch (const std::exception &e) {
            // Said once: a folder that cannot take the copy will not take the next one either.
            if (!std::exchange(mRecoveryFailed, true))
                showErrorBox(this, uiText("RecoveryFailed").arg(QString::fromLocal8Bit(e.what())));
        }
    });
}

void TMForm::offerRecoveredCopies()
{
    for (const RecoveryStore::Orphan &orphan : mRecovery->takeOrphans()) {
        const QString name = shownName(orphan.originalName.toStdString(), uiText("Untitled"));
        const QString time = QLocale().toString(orphan.time, QLocale::ShortFormat);
        QMessageBox box(QMessageBox::Question, QString::fromLatin1(ApplicationTitle),
                        uiText("RestoreChanges").arg(name, time), QMessageBox::Yes | QMessageBox::No, this);
        box.setObjectName(QStringLiteral("RestoreChangesBox"));
        if (box.exec() != QMessageBox::Yes) {
            mRecovery->discard(orphan);
            continue;
        }
        // The copy keeps the original's name, so Save writes the original file.
        if (!runGuarded(this, [&] { readDocument(orphan.copyPath); }))
            continue;
        Document.GlowFile.FileName = orphan.originalName.toStdString();
        history().markModified();
        updateWindowTitle();
        mRecovery->discard(orphan);
        mRecoveryTimer->start(0);
        PageControl1->setCurrentWidget(mEdit);
        return; // one document at a time; other copies are offered at the next start
    }
}

} // namespace editor
