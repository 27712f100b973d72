// Control and menu-item identifiers of the main window: each component's index in the
// design table, past IDOK and IDCANCEL, which the dialog manager sends for Enter and
// Escape.
#pragma once

#include <cstddef>

#include "app/main_form_design.h"

inline constexpr int kFirstControlId = 100;

constexpr int control_id(std::size_t index) { return kFirstControlId + static_cast<int>(index); }
constexpr int control_id(const char* name) { return control_id(orr::mainform::index_of(name)); }

// The design of the component with this identifier; nullptr for none of ours.
constexpr const orr::mainform::Design* design_of_id(int id)
{
    const int index = id - kFirstControlId;
    return index >= 0 && index < static_cast<int>(orr::mainform::kComponentCount) ? &orr::mainform::kDesign[index]
                                                                                 : nullptr;
}
