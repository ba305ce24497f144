#pragma once

#include "model/Plan.h"
#include "model/WhatIf.h"

#include <QString>

#include <cstdint>

// The What If pane's sentences, kept apart from its widgets so that their rules are tested
// without a window.

// How long the variant's money lasts, with the age at its horizon when the plan has one and the
// calculation limit named when the projection stopped there.
QString HorizonSentence(const Reach& reach, const Plan& plan, std::int32_t firstYear);

// The largest spending that lasts to the age, after the "Sustainable spending to age N" the pane
// shows before it; returns are the points the returns are moved by.
QString SustainableSentence(const SustainableSpending& found, std::int32_t returnPoints);

// What the pane says where a plan's birth date is invalid.
QString EnterBirthDateText();
