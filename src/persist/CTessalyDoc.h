#pragma once

#include "model/Plan.h"
#include "model/ProjectionTable.h"
#include "platform/DocumentBase.h"

#include <string>

class UiServices;

// The plan document: the plan being edited and the results of its last
// projection. It tells the user of its own failures through the UI services.
class CTessalyDoc : public DocumentBase {
public:
    explicit CTessalyDoc(UiServices& ui);

    bool OnNewDocument() override;
    // Undoes a save of this file that a crash cut short, then reads it.
    bool OnOpenDocument(const std::string& path) override;
    // Repairs a ".Orb" extension, then writes the file as WriteFileSafely does: never
    // where the user may not write, never losing the previous file.
    bool OnSaveDocument(const std::string& path) override;
    std::string PathWrittenFor(const std::string& chosen) const override;

    // Projects the plan into m_results and refreshes the views; tells the user
    // when memory ran out or the amounts left the 32-bit range.
    void Calculate();

    ProjectionTable m_results;
    Plan m_plan;
    bool m_bPlanReplaced = false;

private:
    UiServices& m_ui;
};
