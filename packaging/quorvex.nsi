; The installer of Quorvex. cmake/WindowsPackages.cmake runs makensis on it
; with these defines:
;   VERSION, VERSION_QUAD  the project's version, as given and in four numbers
;   TARGET                 x86-ansi for the product (Windows Me runs no
;                          Unicode stub), amd64-unicode for the run under wine64
;   BUILD                  the build folder: the programs, mivo.chm, quorvex.ico
;   REFUSAL                the include with the program's own refusal message
;   OUTFILE                the installer to write
Target ${TARGET}
!include "${REFUSAL}"

!define SUITE_KEY "SOFTWARE\Orlenti\Vantoria"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\OrlentiQuorvex"
!define MENU_FOLDER "$SMPROGRAMS\Orlenti Vantoria"
!define UNINSTALLER "Uninstall Quorvex.exe"

Name "Quorvex ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Orlenti\Vantoria"
; Vista asks for elevation here; HKLM and Program Files need it.
RequestExecutionLevel admin
SetCompressor /SOLID lzma
Icon "${BUILD}/quorvex.ico"
UninstallIcon "${BUILD}/quorvex.ico"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion ${VERSION_QUAD}
VIAddVersionKey ProductName "Vantoria"
VIAddVersionKey CompanyName "Orlenti"
VIAddVersionKey FileDescription "Quorvex ${VERSION} Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Orlenti"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The program's own test (WindowsVersion.cpp, InstallPath.cpp): GetVersionExA
; gives platform, major and minor; Me 1.4.90, 2000 2.5.0, XP 2.5.1,
; 2003 2.5.2, Vista 2.6.0. Nothing is copied before this runs.
Function .onInit
  System::Call "*(i 148, i, i, i, i, &m128) p .r9"
  System::Call "kernel32::GetVersionExA(p r9) i .r0"
  System::Call "*$9(i, i .r1, i .r2, i, i .r3)"
  System::Free $9
  StrCmp $0 0 refuse
  StrCpy $4 "$3.$1.$2"
  StrCmp $4 "1.4.90" supported
  StrCmp $4 "2.5.0" supported
  StrCmp $4 "2.5.1" supported
  StrCmp $4 "2.5.2" supported
  StrCmp $4 "2.6.0" supported
refuse:
  IfSilent refused
  StrCpy $5 "${QUORVEX_UNSUPPORTED_TEXT}"
  StrCpy $6 "${QUORVEX_UNSUPPORTED_TITLE}"
  ; MB_ICONSTOP; MessageBox itself would put the installer's name in the title.
  System::Call "user32::MessageBox(p 0, t r5, t r6, i 0x10)"
refused:
  SetErrorLevel 1
  Quit
supported:
FunctionEnd

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${BUILD}/Quorvex.exe"
  File "${BUILD}/quorvex-compare.exe"
  File "${BUILD}/mivo.chm"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${SUITE_KEY}" "InstallPath" "$INSTDIR"

  ; The shortcut starts in $INSTDIR (the output folder at this point).
  CreateDirectory "${MENU_FOLDER}"
  CreateShortCut "${MENU_FOLDER}\Quorvex.lnk" "$INSTDIR\Quorvex.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvex"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Orlenti"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvex.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the section put there and nothing else; the user's window
; placement under HKCU stays (README.md says why).
Section "Uninstall"
  SetShellVarContext all
  Delete "$INSTDIR\Quorvex.exe"
  Delete "$INSTDIR\quorvex-compare.exe"
  Delete "$INSTDIR\mivo.chm"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Without /r: a folder that holds anything else stays.
  RMDir "$INSTDIR"
  RMDir "$PROGRAMFILES\Orlenti"

  Delete "${MENU_FOLDER}\Quorvex.lnk"
  RMDir "${MENU_FOLDER}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegValue HKLM "${SUITE_KEY}" "InstallPath"
  DeleteRegKey /ifempty HKLM "${SUITE_KEY}"
  DeleteRegKey /ifempty HKLM "SOFTWARE\Orlenti"
SectionEnd
