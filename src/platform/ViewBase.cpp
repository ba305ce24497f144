#include "platform/ViewBase.h"

#include "platform/ViewHost.h"

ViewBase::~ViewBase() {
    if (m_pHost != nullptr)
        m_pHost->RemoveView(*this);
}

void ViewBase::OnInitialUpdate() {
    OnUpdate(nullptr, 0);
}
