#pragma once

#include "scores/QuestionBalloon.h"

class TDataModule1;

// The question before the best table is cleared: "Ano" resets it to its
// empty template, "Ne" leaves it as it is.
class TVymazatDialog : public QuestionBalloon {
    Q_OBJECT

public:
    TVymazatDialog(Services& services, TDataModule1& dataModule);

    void OfficeButton1Click() override;

private:
    TDataModule1& dataModule_;
};
