#include "platform/ViewBase.h"

#include "platform/DocumentBase.h"

ViewBase::~ViewBase() {
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(*this);
}

void ViewBase::OnInitialUpdate() {
    OnUpdate(nullptr, 0);
}
