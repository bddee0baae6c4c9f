#pragma once

namespace ht57::command {

// Menu and toolbar commands by their resource ids.
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kExit = 57665;
inline constexpr int kRadioInfo = 32789;
inline constexpr int kOptionFeatures = 32819;
inline constexpr int kRadioFrequency = 32801;
inline constexpr int kChannelInfo = 32831;
inline constexpr int kDtmf = 32810;
inline constexpr int kEmbedInfo = 32837;
inline constexpr int kRead = 32772;
inline constexpr int kWrite = 32773;
inline constexpr int kHighPower = 32835;
inline constexpr int kLowPower = 32836;
inline constexpr int kPort = 32771;
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kTreeBar = 32774;
inline constexpr int kCascade = 57650;
inline constexpr int kTile = 57651;
inline constexpr int kArrange = 57649;
inline constexpr int kAbout = 57664;
inline constexpr int kNextPane = 57680;
// Channel CSV files and backups, after the program's own range.
inline constexpr int kImportChannels = 32900;
inline constexpr int kExportChannels = 32901;
inline constexpr int kOpenBackupFolder = 32902;
inline constexpr int kProgrammingLog = 32903;
inline constexpr int kPreviousPane = 57681;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;

}  // namespace ht57::command
