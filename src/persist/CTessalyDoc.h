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
    bool OnOpenDocument(const std::string& path) override;
    // Repairs a ".Orb" extension, then replaces the file only once the new
    // contents are completely on disk.
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
