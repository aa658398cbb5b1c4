#include "report/Form1Model.h"

#include "design/FixedText.h"
#include "design/StatusMessage.h"

namespace netlist {

Form1Model::Form1Model(DesignLibrary& library, ReportEnvironment environment)
    : library_(&library), environment_(std::move(environment)) {}

void Form1Model::setStatusCaption(std::string caption) {
    controls_.statusLabelCaption = std::move(caption);
    if (onStatusChanged) onStatusChanged();
}

void Form1Model::Form_Load() {
    controls_.statusLabel3Caption.clear();
    controls_.startEnabled = false;
    controls_.check1Enabled = false;
    controls_.option3Enabled = false;
    controls_.option4Enabled = false;

    dbStatus = library_->TOpenDesign(0, kInterfaceVersion, "PCB", theSessionContext);
    // The schematic attempt's result is kept apart: dbStatus still tells
    // whether the board attempt succeeded.
    const std::int32_t schematicStatus =
        library_->TOpenDesign(0, kInterfaceVersion, "SCH", theSessionContext);
    if (schematicStatus == 0) {
        controls_.label3Caption = DesignSourceCaption(DesignSource::Schematic);
    } else if (dbStatus != 0) {
        controls_.label3Caption = DesignSourceCaption(DesignSource::Neither);
    } else {
        controls_.label3Caption = DesignSourceCaption(DesignSource::Board);
        controls_.check1Enabled = true;
    }

    dbStatus = library_->TGetDesignInfo(theSessionContext, designInfo);
    setStatusCaption(StatusMessage(dbStatus));
    controls_.statusLabel3Caption = DesignFileNameShown(TrimFixedText(designInfo.designPath));
    if (dbStatus == 0) {
        controls_.option3Enabled = true;
        controls_.option4Enabled = true;
        controls_.startEnabled = true;
    }
}

void Form1Model::switchLibrary(DesignLibrary& library) {
    dbStatus = library_->TCloseDesign(theSessionContext, "");
    library_ = &library;
    Form_Load();
}

const char* DesignSourceCaption(DesignSource source) {
    switch (source) {
        case DesignSource::Board:
            return "Pcb";
        case DesignSource::Schematic:
            return "Schmatic";
        case DesignSource::Neither:
            break;
    }
    return "";
}

ReportChoices Form1Model::reportChoices() const {
    ReportChoices choices;
    choices.designer = controls_.text1;
    if (controls_.label3Caption == DesignSourceCaption(DesignSource::Board))
        choices.source = DesignSource::Board;
    else if (controls_.label3Caption == DesignSourceCaption(DesignSource::Schematic))
        choices.source = DesignSource::Schematic;
    if (choices.source == DesignSource::Board && controls_.check1Value == 1)
        choices.lengths = controls_.option1Selected ? NetLengths::Mils : NetLengths::Mm;
    return choices;
}

void Form1Model::Check1_Click() {
    const bool lengthsWanted = controls_.check1Value == 1;
    controls_.option1Enabled = lengthsWanted;
    controls_.option2Enabled = lengthsWanted;
}

void Form1Model::Exit_Click() {
    dbStatus = library_->TCloseDesign(theSessionContext, "");
}

}  // namespace netlist
