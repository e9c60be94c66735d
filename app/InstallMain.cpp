#include "app/InstallMain.h"

#include "win32/System.h"

TForm1* Form1 = nullptr;

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

void TForm1::InstallBtnClick(TObject*) {}

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
