// The installer's one window: the progress bar, the Start button and the status label,
// built from the TFORM1 layout.
#pragma once

#include "controls/TProgressBarEx.h"
#include "vcl/Button.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include "vcl/Panel.h"
#include "vcl/StringList.h"

class TForm1 : public TForm {
public: // published
    TPanel* ContentPanel = nullptr;
    TButton* InstallBtn = nullptr;
    TProgressBarEx* Progress = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* Status = nullptr;
    void InstallBtnClick(TObject* Sender);
    void Error(AnsiString Text);
    void Message(AnsiString Text);

public:
    explicit TForm1(TComponent* Owner);
    ~TForm1() override;
    AnsiString ClassName() const override { return "TForm1"; }
    const TPublishedTable& Published() const override;

    // Loads InstDir.inf into `dirList`, then InstFile.inf into `fileList`, as one guarded
    // step: the first failure of any kind stops it and shows the load error.
    bool LoadInstallLists(TStringList& dirList, TStringList& fileList);
};

extern TForm1* Form1;
