// Identifiers of the program's resources, shared by orrindale.rc and the code.
#pragma once

#define IDI_ORRINDALE 1
