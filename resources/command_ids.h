// Command ids that code refers to by name. Menus, the toolbar and accelerators carry the
// same numbers.
#pragma once

namespace tmb {

// File and output.
constexpr int kCmdFileOpen = 32817;
constexpr int kCmdFileSaveAs = 32818;
constexpr int kCmdFileSave = 32819;
constexpr int kCmdFileExit = 32820;
constexpr int kCmdFileOneTouch = 32840;
constexpr int kCmdBasicSettings = 32799;
constexpr int kCmdUpdateTitle = 32937;
constexpr int kCmdFilePrint = 32989;
constexpr int kCmdFilePrintPreview = 32988;
constexpr int kCmdPrintRangeAll = 32872;
constexpr int kCmdPrintRangeRegion = 32873;
constexpr int kCmdPrintModeVector = 33181;
constexpr int kCmdPrintModeImage = 33180;
constexpr int kCmdPrintTargetActive = 33023;
constexpr int kCmdPrintTargetA = 32941;
constexpr int kCmdPrintTargetB = 32940;
constexpr int kCmdPrintTargetEditor = 32942;
constexpr int kCmdPrintTargetPreview = 32943;
// What a drawing window's frame does when it prints or shows the print preview.
constexpr int kCmdFramePrint = 57607;
constexpr int kCmdFramePrintPreview = 57609;
// The main window's toolbar hidden for the length of a print preview, and shown again.
constexpr int kCmdHideBar = 32958;
constexpr int kCmdShowBar = 32959;

// Editing.
constexpr int kCmdDrawMode = 32785;
constexpr int kCmdEditMode = 32784;
constexpr int kCmdEditUndo = 32833;
constexpr int kCmdClearAll = 32781;
constexpr int kCmdClearCells = 33019;
constexpr int kCmdSeveralFrames = 33018;
constexpr int kCmdEditLayout = 33020;   // "排列": the framed parts laid out
constexpr int kCmdEditMoveAll = 32990;  // "全体移动": every point moved
constexpr int kCmdEraseLastStroke = 32895;
constexpr int kCmdEraseFromNearest = 32898;
constexpr int kCmdEditTempSave = 33022;
constexpr int kCmdEditTempLoad = 33021;
constexpr int kCmdCopyAToB = 32980;
constexpr int kCmdCopyBToA = 32981;
constexpr int kCmdOverlayOther = 33003;
constexpr int kCmdCaptureFirstChar = 33176;
// The frame parts of the edit mode (the current edit rectangle).
constexpr int kCmdFrameClear = 32991;       // the frame's strokes taken out by the layout
constexpr int kCmdFrameKeep = 32992;        // the frame's strokes saved
constexpr int kCmdFrameMoveAfter = 32993;   // the saved strokes follow the frame's others
constexpr int kCmdFrameMoveFirst = 32994;   // the saved strokes go first
constexpr int kCmdFrameRange = 32999;
constexpr int kCmdFrameReplace = 33000;     // what is written next replaces the frame's strokes
constexpr int kCmdFrameInsert = 33001;      // what is written next goes before them
constexpr int kCmdFrameCopy = 33004;
constexpr int kCmdCancelMenu = 32899;       // "cancel" of the popup menus: nothing to do
constexpr int kCmdToolbarPopup = 33005;     // the toolbar's pop-up menu
constexpr int kCmdRegistrationPanel = 33300;  // shows or hides the registration panel

// Display.
constexpr int kCmdConvertDisplay = 33192;
constexpr int kCmdConvertDisplaySheet = 32929;
constexpr int kCmdRedrawNever = 33188;
constexpr int kCmdRedrawAfterStrokes = 33189;
constexpr int kCmdRedrawAlways = 33191;
constexpr int kCmdRedrawOnce = 33190;
constexpr int kCmdOriginalLine = 32987;
constexpr int kCmdTempOriginalLine = 33179;
constexpr int kCmdOverlayDisplay = 33178;
constexpr int kCmdPointDisplay = 33107;
constexpr int kCmdRedrawGuides = 32966;
constexpr int kCmdRefreshWritingArea = 32901;
constexpr int kCmdRedrawSettingsPanel = 32928;
constexpr int kCmdRebuildOutline = 32932;
constexpr int kCmdRebuildOutlineKey = 32783;
constexpr int kCmdReleaseOffscreen = 32956;
constexpr int kCmdReplayKey = 32849;
constexpr int kCmdSettingButtons = 33053;

// Settings.
constexpr int kCmdStandardSettings = 33051;
constexpr int kCmdConvOption = 33183;
constexpr int kCmdKeepConversion = 33147;
constexpr int kCmdSwitchesAllOn = 33121;
constexpr int kCmdSwitchesAllOff = 33120;
constexpr int kCmdStyleKaisho = 33150;
constexpr int kCmdPenSettings = 32782;
constexpr int kCmdGuideFrame = 32852;
constexpr int kCmdSaveRange = 32886;       // "画像ファイルオプション" of the file menu
constexpr int kCmdAutoRegistration = 33131;
constexpr int kCmdFontDivision = 33106;
constexpr int kCmdDictionary = 33135;
constexpr int kCmdFileOptions = 32931;

// Windows.
constexpr int kCmdReopenA = 32810;
constexpr int kCmdShowA = 32912;
constexpr int kCmdShowB = 32913;
constexpr int kCmdShowPreview = 32916;
constexpr int kCmdShowEditor = 32914;
constexpr int kCmdCentreA = 32919;
constexpr int kCmdCentreB = 32921;
constexpr int kCmdCentreEditor = 32923;
constexpr int kCmdCentrePreview = 32924;
constexpr int kCmdCentreFontAxis = 33015;
constexpr int kCmdSheetA = 32917;
constexpr int kCmdSheetB = 32918;
constexpr int kCmdCentreSheetA = 32920;
constexpr int kCmdCentreSheetB = 32922;
constexpr int kCmdFontAxisSheet = 33016;
constexpr int kCmdSheetSource = 33105;
constexpr int kCmdSheetTarget = 33104;
constexpr int kCmdWindowArrange = 57649;
constexpr int kCmdWindowCascade = 57650;
constexpr int kCmdWindowTile = 57651;

// Background colours.
constexpr int kCmdBackA = 33006;
constexpr int kCmdBackB = 33007;
constexpr int kCmdBackPreview = 33008;
constexpr int kCmdBackEditor = 33009;
constexpr int kCmdTabletPen = 33154;
constexpr int kCmdBackSchemeDefault = 33010;
constexpr int kCmdBackSchemeGrey = 33052;

// The application.
constexpr int kCmdAppAbout = 57664;
constexpr int kCmdAppExit = 57665;
constexpr int kCmdHelp = 57666;

// The recent character files of the File menu, newest first.
constexpr int kCmdRecentFile1 = 57616;
constexpr int kRecentFileCount = 4;

// Status bar panes beside the progress bar: x and y of the image editor's cursor.
constexpr int kPaneCursorX = 59144;
constexpr int kPaneCursorY = 59143;

}  // namespace tmb
