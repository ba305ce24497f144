#pragma once

#include "platform/ViewBase.h"
#include "tests/platform/support/Journal.h"

#include <string>

// A view that writes its updates into the journal under its name.
class RecordingView : public ViewBase {
public:
    RecordingView(Journal& journal, std::string name);

    void OnInitialUpdate() override;
    void OnUpdate(ViewBase* sender, long hint) override;

private:
    Journal& m_journal;
    std::string m_name;
};
