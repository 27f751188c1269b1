#pragma once

#include <QObject>

#include <memory>

class QTimer;

namespace editor {

class RecoveryStore;
class TMForm;

// The copy of a modified document that survives a crash: written once the user pauses,
// removed once the document is saved, discarded or closed, and offered at the next start.
class CrashRecovery : public QObject {
    Q_OBJECT
public:
    // `folder` empty: "recovery" in the user's application data folder.
    CrashRecovery(TMForm &form, const QString &folder);
    ~CrashRecovery() override;

    // Offers the copies that editors which died left behind; restores at most one.
    void offerCopies();
    // Removes this editor's copy.
    void remove();

private:
    TMForm &mForm;
    std::unique_ptr<RecoveryStore> mStore;
    QTimer *mTimer;
    bool mFailed = false; // a failure is said once
};

} // namespace editor
