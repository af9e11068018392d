#include "install/update_run.h"

#include <memory>

#include "install/manifest.h"
#include "install/paths.h"
#include "install/texts.h"

namespace install {
namespace {

// How a wait ended: its condition cleared, or the user asked to end the program.
enum class Wait { Done, EndRequested };

class Run {
public:
    Run(const UpdateRunPorts& ports, const InstallerIdentity& installer)
        : window_(ports.window), files_(ports.files), clock_(ports.clock),
          processes_(ports.processes), manifests_(ports.manifests), installer_(installer),
          applicationFolder_(ApplicationFolder(installer.executablePath)) {}

    void Execute() {
        window_.DisableStartTimer();
        window_.ProcessMessages();
        window_.SetStatusText("");
        window_.ShowStatus();

        if (!IsExistingFile(files_, MainProductFile(applicationFolder_))) {
            EndWithMessage(MessageKind::Warning, TextMainProductMissing());
            return;
        }
        const std::string manifestPath = ManifestPath(installer_.executablePath);
        if (!IsExistingFile(files_, manifestPath)) {
            EndWithMessage(MessageKind::Information, TextNothingToUpdate());
            return;
        }

        std::unique_ptr<IniFile> manifest = manifests_.Open(manifestPath);
        try {
            InstallPending(*manifest);
        } catch (...) {
            // The end is requested before the error goes on, so its report does not hold the program.
            manifest.reset();
            window_.Close();
            throw;
        }
        manifest.reset();
        window_.Close();
    }

private:
    void EndWithMessage(MessageKind kind, const std::string& text) {
        window_.ShowMessage(kind, text);
        window_.EnableCloseTimer();
    }

    void InstallPending(IniFile& manifest) {
        // A count of 0 or below, or no count at all, leaves the loop empty.
        for (std::int32_t n = ReadPendingCount(manifest); n >= 1; --n) {
            // A close request leaves this entry and all lower ones listed for the next run.
            if (window_.EndRequested()) return;
            if (InstallEntry(manifest, n) == Wait::EndRequested) return;
        }
    }

    Wait InstallEntry(IniFile& manifest, std::int32_t n) {
        const ManifestEntry entry = ReadEntry(manifest, n);
        const std::string stagingPath = StagingPath(applicationFolder_, entry.name);
        const std::string targetPath = TargetPath(entry.destination, entry.name);

        if (!IsExistingFile(files_, stagingPath)) {
            window_.ShowMessage(MessageKind::Warning, TextStagedFileMissing(stagingPath));
            RetireEntry(manifest, n);
            return Wait::Done;
        }
        if (WaitWhileRunning(entry.name) == Wait::EndRequested) return Wait::EndRequested;
        if (RemoveOldVersion(entry.name, targetPath) == Wait::EndRequested) return Wait::EndRequested;

        SetStatus(StatusInstalling(entry.name));
        if (files_.CopyFileNoOverwrite(stagingPath, targetPath)) {
            files_.RemoveFile(stagingPath);  // a staged copy left behind does no harm
        } else {
            window_.ShowMessage(MessageKind::Error, TextCannotCopy(stagingPath, targetPath));
        }
        RetireEntry(manifest, n);
        return Wait::Done;
    }

    bool IsRunning(const std::string& name) {
        // The installer's own process would otherwise hold back an entry of its own name for ever.
        return FindRunningProcess(processes_, name, installer_.processId) != 0;
    }

    Wait WaitWhileRunning(const std::string& name) {
        if (!IsRunning(name)) return Wait::Done;
        SetStatus(StatusWaitingFor(name));
        window_.ShowMessage(MessageKind::Information, TextPleaseCloseProgram(name));
        // A close request ends only a wait still blocked; one that is over finishes its entry.
        while (IsRunning(name)) {
            if (window_.EndRequested()) return Wait::EndRequested;
            SetStatus(StatusStillWaiting(name));
            clock_.Sleep(kPollMilliseconds);
        }
        return Wait::Done;
    }

    Wait RemoveOldVersion(const std::string& name, const std::string& targetPath) {
        SetStatus(StatusRemoving(name));
        if (!IsExistingFile(files_, targetPath) || files_.RemoveFile(targetPath)) return Wait::Done;
        window_.ShowMessage(MessageKind::Warning, TextCannotDelete(targetPath));
        while (IsExistingFile(files_, targetPath)) {
            if (window_.EndRequested()) return Wait::EndRequested;
            clock_.Sleep(kPollMilliseconds);
            window_.ProcessMessages();
        }
        return Wait::Done;
    }

    void SetStatus(const std::string& text) {
        window_.SetStatusText(text);
        window_.ProcessMessages();
    }

    RunWindow& window_;
    FileSystem& files_;
    Clock& clock_;
    ProcessList& processes_;
    IniFileFactory& manifests_;
    const InstallerIdentity& installer_;
    const std::string applicationFolder_;
};

}  // namespace

void RunUpdate(const UpdateRunPorts& ports, const InstallerIdentity& installer) {
    Run(ports, installer).Execute();
}

}  // namespace install
