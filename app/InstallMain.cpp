#include "app/InstallMain.h"

#include "app/InstallState.h"
#include "app/SourceName.h"
#include "file/FILE.h"
#include "vcl/Application.h"
#include "win32/Files.h"
#include "win32/System.h"

#include <memory>

TForm1* Form1 = nullptr;
TInstallState InstallState;

namespace {

constexpr DWORD kMessagePause = 250;
constexpr DWORD kErrorPause = 5000;
constexpr UINT kSimpleBeep = 0xFFFFFFFF;

const AnsiString InstDirName = "InstDir.inf";
const AnsiString InstFileName = "InstFile.inf";

} // namespace

TForm1::TForm1(TComponent* Owner) : TForm(Owner) {}

TForm1::~TForm1() = default;

const TPublishedTable& TForm1::Published() const {
    static const TPublishedTable table = {
        {PublishField("ContentPanel", &TForm1::ContentPanel),
         PublishField("InstallBtn", &TForm1::InstallBtn),
         PublishField("Progress", &TForm1::Progress), PublishField("Panel1", &TForm1::Panel1),
         PublishField("Status", &TForm1::Status)},
        {PublishEvent("InstallBtnClick", &TForm1::InstallBtnClick),
         PublishMethod("Error", &TForm1::Error), PublishMethod("Message", &TForm1::Message)}};
    return table;
}

void TForm1::InstallBtnClick(TObject*) {
    bool& FirstClick = InstallState.FirstClick;
    bool& InstallFailed = InstallState.InstallFailed;
    if (!FirstClick) {
        Message("Programm wird beendet...");
        Close();
        return;
    }

    InstallFailed = false;
    InstallBtn->SetEnabled(false);
    Progress->SetMax(2);
    Progress->SetPosition(0);
    Message("Schritte der Installation:\n\r1. Initialisierung\n\r2. Erstellen der Ordner\n\r3. "
            "Kopieren der Dateien in den Datenordner");
    bool FolderAbsent =
        Application->MessageBox("Existiert auf ihrem PC ein Ordner [C:\\Keldrano]?",
                                "Wichtige Frage!", MB_YESNO | MB_ICONQUESTION) != IDYES;
    Message("Initialisiere...\n\rReserviere Speicher...");
    auto DirList = std::make_unique<TStringList>();
    auto FileList = std::make_unique<TStringList>();
    AnsiString SourceName;
    Progress->SetPosition(Progress->Position() + 1);
    Message("Initialisiere...\n\rLade Informationsdateien...");
    if (!LoadInstallLists(*DirList, *FileList))
        InstallFailed = true;
    Progress->SetPosition(Progress->Position() + 1);

    if (!InstallFailed) {
        Progress->SetMax(DirList->Count() + FileList->Count());
        Progress->SetPosition(0);
        for (int i = 0; i < DirList->Count(); ++i) {
            const AnsiString& folder = DirList->Strings(i);
            Message("Erstelle Ordner \"" + folder + "\"...");
            Progress->SetPosition(Progress->Position() + 1);
            // With the answer Yes a folder that cannot be made is not reported.
            if (CreateFullPath(folder.c_str()) == 0 && FolderAbsent) {
                Error("Konnte Ordner nicht erstellen.");
                InstallFailed = true;
            }
            Application->ProcessMessages();
        }

        if (FolderAbsent && InstallFailed) {
            Error("Einige Ordner konnten nicht erstellt werden.\n\rDas Kopieren der Dateien wird "
                  "abgebrochen.\n\rA_c_h_t_u_n_g: Das zu installierende Programm ist nicht "
                  "lauff\xE4hig!!!");
        } else {
            for (int i = 0; i < FileList->Count(); ++i) {
                const AnsiString& destination = FileList->Strings(i);
                Message("Extrahiere Dateiname...");
                SourceName = ExtractSourceName(destination);
                Message("Verschiebe Datei \"" + SourceName + "\" nach \"" + destination + "\"...");
                Progress->SetPosition(Progress->Position() + 1);
                // The source goes only once a complete copy exists at the destination.
                if (CopyFileA(SourceName.c_str(), destination.c_str(), FALSE)) {
                    DeleteFileA(SourceName.c_str());
                } else {
                    Error("Konnte Datei nicht verschieben.");
                    InstallFailed = true;
                }
                Application->ProcessMessages();
            }
        }
    }

    if (InstallFailed)
        Message("Es sind Fehler bei der Installation aufgetreten.\n\rBeenden Sie das Programm und "
                "entpacken Sie das Archiv erneut.\n\rWenn es dann immer noch nicht klappt, "
                "kontaktieren Sie den Autor (E-Mail in der readme.txt).");
    else
        Message(
            "Installation erfolgreich beendet!\n\rSie k\xF6nnen das installierte Programm jetzt "
            "ausf\xFChren!");
    InstallBtn->SetCaption("Ende");
    InstallBtn->SetEnabled(true);
    FirstClick = false;
    DirList.reset();
    FileList.reset();
}

bool TForm1::LoadInstallLists(TStringList& dirList, TStringList& fileList) {
    try {
        dirList.LoadFromFile(InstDirName);
        fileList.LoadFromFile(InstFileName);
    } catch (...) {
        Error("Kann Informationsdateien nicht laden.\n\rStellen Sie sicher, dass sich die "
              "Dateien [InstDir.inf] und [InstFile.inf] im Installationsverzeichnis befinden.");
        return false;
    }
    return true;
}

void TForm1::Error(AnsiString Text) {
    Status->Font()->SetColor(clRed);
    Status->SetCaption("Ein Fehler ist aufgetreten:\n\r" + Text);
    Status->Repaint();
    MessageBeep(kSimpleBeep);
    Sleep(kErrorPause);
}

void TForm1::Message(AnsiString Text) {
    Status->Font()->SetColor(clWindowText);
    Status->SetCaption("Meldung:\n\r" + Text);
    Status->Repaint();
    Sleep(kMessagePause);
}
