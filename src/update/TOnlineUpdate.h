#pragma once

#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace vespera {

class FileTransfer;
class SignatureCheck;
class SignatureVerifier;
class TfmWizard;
class TkmNetUpdate;
class UpdateMessageBoxes;

// The program's side of the online update: the update texts in five languages, the administrator
// check, the update component's settings, and the hand-over to the updater "Update_Execute" in the
// program folder, after which the program ends within half a second without saving anything.
class TOnlineUpdate : public QObject {
    Q_OBJECT
public:
    // The environment variable that replaces the update folder address, for tests and for sites that
    // keep their own update server.
    static constexpr const char* AddressVariable = "VESPERA_UPDATE_URL";

    // builtInKey: the product's public key for the signatures of updates (base64), trusted together with
    // the keys of the key file in the program folder; administrator: whether the component exists;
    // endProcess: how the program ends after the hand-over.
    TOnlineUpdate(QString programFolder, const QByteArray& builtInKey, bool administrator,
                  std::function<void()> endProcess, QObject* parent = nullptr);
    ~TOnlineUpdate() override;

    // Sets the component up for the version text, the update folder address, the information file name
    // and the language number (1 to 5; other numbers keep the language). Without administrator rights
    // it does nothing.
    void initialise(const QString& versionText, const QString& address, const QString& infoFile,
                    int language);

    // Runs a check at once ("now") and shows that no newer version exists when that is so.
    void check(bool now);

    UpdateMessageBoxes& messageBoxes() { return *boxes_; }
    TkmNetUpdate* component() const { return component_.get(); }
    const FormTranslator& translator() const { return translator_; }

private:
    QString slotText(int slot) const;
    void launchUpdater(bool& launch);

    QString programFolder_;
    std::function<void()> endProcess_;
    FormTranslator translator_;
    LanguageDispatcher dispatcher_;
    std::unique_ptr<FileTransfer> transfer_;
    std::unique_ptr<SignatureVerifier> verifier_;
    std::unique_ptr<SignatureCheck> signature_;
    std::unique_ptr<UpdateMessageBoxes> boxes_;
    std::unique_ptr<TfmWizard> wizard_;
    std::unique_ptr<TkmNetUpdate> component_;
    QTimer closeTimer_;
};

} // namespace vespera
