#pragma once
// Identifiers of the launcher's resources, shared by the resource script and the code that loads them.

#define IDI_TREE 1
#define IDC_POINTING_HAND 101
#define IDB_PREVIEW 201
