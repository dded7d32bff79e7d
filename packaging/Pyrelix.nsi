; The Windows installer: Pyrelix into Program Files, a Start-menu folder with the program and its
; uninstaller, and an entry in the system's list of installed programs. The uninstaller also
; removes the autostart value the program may have registered.
;
; Built by the Windows tree (packaging/CMakeLists.txt) with:
;   makensis -DVERSION=<text> -DVERSION_NUMERIC=<a.b.c.d> -DDIST=<dist/Pyrelix> -DOUTFILE=<exe>
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef VERSION | VERSION_NUMERIC | DIST | OUTFILE
  !error "VERSION, VERSION_NUMERIC, DIST and OUTFILE must be defined"
!endif

!define PRODUCT "Pyrelix"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Where the program registers itself to start with Windows (the settings panel and the first
; start write it); the 32-bit view, as the program itself sees it.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "OmbrixStartUpAutoRun"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_NUMERIC}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PRODUCT}"
VIAddVersionKey "LegalCopyright" "${PRODUCT}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Pyrelix"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${DIST}/Pyrelix.exe"
  SetOutPath "$INSTDIR\Resources"
  File /r "${DIST}/Resources/*"
  SetOutPath "$INSTDIR\BIOS"
  File "${DIST}/BIOS/README.txt"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Pyrelix.exe" "" "$INSTDIR\Pyrelix.exe" 0
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pyrelix.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  Delete "$INSTDIR\Pyrelix.exe"
  RMDir /r "$INSTDIR\Resources"
  ; The flashing tool a user put into BIOS\ is not ours: the folder stays while it holds one.
  Delete "$INSTDIR\BIOS\README.txt"
  RMDir "$INSTDIR\BIOS"
  ; The per-card configuration files the program wrote beside itself.
  Delete "$INSTDIR\Pyrelix_DID*.cfg"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
