// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Ids of the program's templates, controls, icon, string and menu commands.
#pragma once

namespace tavilo::res {

// Dialog templates.
inline constexpr int IDD_ABOUT = 100;
inline constexpr int IDD_PI_NETWORK = 102;
inline constexpr int IDD_INDUCTOR = 129;

// Icon group and string table.
inline constexpr int IDI_APP = 128;
inline constexpr int IDS_ABOUT_ITEM = 101;

// System-menu command of the About item.
inline constexpr unsigned IDM_ABOUT = 0x0010;

// A static control that no code addresses.
inline constexpr int IDC_STATIC = -1;

// Main window controls.
inline constexpr int IDC_Q0 = 1002;
inline constexpr int IDC_CALCULATE = 1003;
inline constexpr int IDC_PLATE_Z = 1004;
inline constexpr int IDC_ANTENNA_Z = 1005;
inline constexpr int IDC_Q1 = 1006;
inline constexpr int IDC_Q2 = 1008;
inline constexpr int IDC_C1 = 1009;
inline constexpr int IDC_C2 = 1010;
inline constexpr int IDC_L = 1011;
inline constexpr int IDC_FREQ = 1012;
inline constexpr int IDC_AIR_CAPS = 1013;
inline constexpr int IDC_VACUUM_CAPS = 1014;
inline constexpr int IDC_CALC_INDUCTOR = 1015;
inline constexpr int IDC_NOTICE = 1023;

// Coil window controls.
inline constexpr int IDC_COIL_L = 1016;
inline constexpr int IDC_COIL_DIAMETER = 1017;
inline constexpr int IDC_COIL_LENGTH = 1018;
inline constexpr int IDC_COIL_TURNS = 1019;
inline constexpr int IDC_CALC_TURNS = 1020;
inline constexpr int IDC_CALC_L = 1021;
inline constexpr int IDC_COIL_SPACING = 1022;

}  // namespace tavilo::res
