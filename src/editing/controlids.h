#pragma once

// Control and command ids of the editor window. Commands are routed by these
// ids, so a press of a button and a scripted press take the same path.
namespace zorvan::ctl {

// File, output and help.
inline constexpr int OpenLayout = 1026;
inline constexpr int SaveLayout = 1015;
inline constexpr int Print = 1140;
inline constexpr int WhitePrint = 1142;
inline constexpr int HelpVideos = 1110;
inline constexpr int TabInstructions = 1101;
inline constexpr int CopyInstructions = 1188;
inline constexpr int GroupInstructions = 1184;
inline constexpr int Exit = 1016;
inline constexpr int LoadBackground = 1014; // hidden; reached through the menu's "&Open..."

// Menu commands.
inline constexpr int MenuOpen = 57601;
inline constexpr int MenuSaveAs = 57603;
inline constexpr int MenuExit = 32771;
inline constexpr int About = 16;

// Size and move.
inline constexpr int SizeGroup = 1137;
inline constexpr int SizeUp = 1005;
inline constexpr int SizeDown = 1006;
inline constexpr int SizeLeft = 1010;  // horizontal size, picture and strip-background modes
inline constexpr int SizeRight = 1011;
inline constexpr int SizeValue = 1050;
inline constexpr int MoveGroup = 1079;
inline constexpr int MoveUp = 1001;
inline constexpr int MoveLeft = 1002;
inline constexpr int MoveRight = 1003;
inline constexpr int MoveDown = 1004;
inline constexpr int IncrementGroup = 1189;
inline constexpr int Micro = 1179;
inline constexpr int Macro = 1180;
inline constexpr int TextToMoveGroup = 1187;
inline constexpr int SelectedText = 1109;
inline constexpr int AllText = 1104;
inline constexpr int CenterText = 1027;
inline constexpr int LineSpacingLabel = 1063;
inline constexpr int LineSpacingDown = 1013;
inline constexpr int LineSpacingUp = 1012;
inline constexpr int EditStripBackground = 1141;
inline constexpr int Palette = 1017;

// Picture.
inline constexpr int EditPictureGroup = 1126;
inline constexpr int PanLabel = 1152;
inline constexpr int PanUp = 1074;
inline constexpr int PanDown = 1048;
inline constexpr int PanLeft = 1073;
inline constexpr int PanRight = 1072;
inline constexpr int ZoomLabel = 1151;
inline constexpr int ZoomPlus = 1075;
inline constexpr int ZoomMinus = 1076;
inline constexpr int FullLabel = 1156;
inline constexpr int HorizLabel = 1155;
inline constexpr int HorizPlus = 1168;
inline constexpr int HorizMinus = 1170;
inline constexpr int VertLabel = 1154;
inline constexpr int VertPlus = 1166;
inline constexpr int VertMinus = 1167;
inline constexpr int BrightnessLabel = 1150;
inline constexpr int BrightnessPlus = 1042;
inline constexpr int BrightnessMinus = 1045;
inline constexpr int FrameLabel = 1106;
inline constexpr int FrameList = 1105;
inline constexpr int LoadPicture = 1018;
inline constexpr int DeletePicture = 1133;
inline constexpr int DeleteStrip = 1085;
inline constexpr int Undo = 1111;

// Text boxes and the top row.
inline constexpr int MainItemLabel = 1036;
inline constexpr int MainItemBox = 1000;
inline constexpr int SubItemLabel = 1031;
inline constexpr int SubItemBox = 1030;
inline constexpr int PricesLabel = 1029;
inline constexpr int PricesBox = 1028;
inline constexpr int MainItemActive = 1040;
inline constexpr int SubItemActive = 1044;
inline constexpr int PricesActive = 1043;
inline constexpr int Status = 1182;
inline constexpr int TabSpacingLabel = 1078;
inline constexpr int TabSpacingDown = 1024;
inline constexpr int TabSpacingValue = 1066;
inline constexpr int TabSpacingUp = 1025;
inline constexpr int CalSpacingLabel = 1138;
inline constexpr int CalSpacingDown = 1033;
inline constexpr int CalSpacingValue = 1081;
inline constexpr int CalSpacingUp = 1035;
inline constexpr int NoId = 0; // the "Menu Items Group Mode" box carries no id
inline constexpr int SpaceGroupEvenly = 1174;

} // namespace zorvan::ctl
