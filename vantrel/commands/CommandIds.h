#pragma once

// Command numbers. Those of the menus and toolbars are fixed; the pop-up menus' own commands
// are numbered from 33000.
namespace vantrel::cmd {

// File
inline constexpr int kNewWorkspace = 32789;
inline constexpr int kNewFolder = 32799;
inline constexpr int kNewNavpoints = 32815;
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFilePrint = 57607;
inline constexpr int kRecentFile = 57616; // the first of four
inline constexpr int kAppExit = 57665;
// Edit
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kDelete = 32850;
inline constexpr int kRename = 32833;
// View
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kExplorerBar = 32787;
inline constexpr int kRotateRight = 32778;
inline constexpr int kRotateLeft = 32779;
inline constexpr int kRotateDown = 32780;
inline constexpr int kRotateUp = 32781;
inline constexpr int kResetView = 32782;
inline constexpr int kZoomIn = 32783;
inline constexpr int kZoomOut = 32784;
inline constexpr int kMapDisplay = 32785;
inline constexpr int kDrawZoomWindow = 32786;
inline constexpr int kAnimationStart = 32774;
inline constexpr int kAnimationStop = 32775;
inline constexpr int kAnimationSlower = 32776;
inline constexpr int kAnimationFaster = 32777;
inline constexpr int kEngineNoiseLevel = 32846;
inline constexpr int kPressureAltitude = 32876;
inline constexpr int kGpsAltitude = 32877;
inline constexpr int kNextTaskPoint = 32831;
inline constexpr int kMeasurementCursor = 32864;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;
// Recorder
inline constexpr int kConnect = 32773;
inline constexpr int kRecorderProperties = 32771;
inline constexpr int kLogManager = 32808;
inline constexpr int kTaskProperties = 32830;
// Actions
inline constexpr int kDisplay = 32852;
inline constexpr int kOverlay = 32853;
inline constexpr int kOverlayButton = 32796;
inline constexpr int kEdit = 32854;
inline constexpr int kTransferToPc = 32859;
inline constexpr int kTransferToRecorder = 32851;
inline constexpr int kVerifySecurity = 32801;
inline constexpr int kAnalyzeFlight = 32847;
inline constexpr int kEmailFlight = 57612;
// Tasks
inline constexpr int kDefineAndTransfer = 32829;
inline constexpr int kDefineAndOverlay = 32826;
// Tools
inline constexpr int kConvertLogFile = 32822;
inline constexpr int kOptions = 32770;
inline constexpr int kDisplayOptions = 32772;
// Window
inline constexpr int kCascade = 57650;
inline constexpr int kTile = 57651;
inline constexpr int kCloseAll = 32838;
// Help
inline constexpr int kHelpTopics = 57667;
inline constexpr int kContextHelp = 57669;
inline constexpr int kWebSupport = 32870;
inline constexpr int kAbout = 57664;

// Commands of the explorer's pop-up menus only.
inline constexpr int kRefresh = 33001;
inline constexpr int kSendToFloppy = 33002;
inline constexpr int kSendToFlashCard = 33003;
inline constexpr int kEditInTextEditor = 33004;
inline constexpr int kConvertLog = 33005;
inline constexpr int kViewLogNavpoints = 33006;
inline constexpr int kItemProperties = 33007;
inline constexpr int kChangeWorkspace = 33008;
inline constexpr int kOpenFolder = 33009;
inline constexpr int kImportFiles = 33010;
inline constexpr int kSetNavpointFolder = 33011;
inline constexpr int kSetFlightLogFolder = 33012;

} // namespace vantrel::cmd
