#!/bin/sh
# Checks the product: a 32-bit GUI executable whose imports exist on Windows
# 2000 and XP. Wine exports everything, so only the import table shows a
# function those systems lack.
set -eu
exe=${1:?usage: check-product.sh quorvex.exe}
objdump=i686-w64-mingw32-objdump
[ -f "$exe" ] || { echo "missing: $exe" >&2; exit 1; }
headers=$($objdump -p "$exe")
$objdump -f "$exe" | grep -q 'file format pei-i386' || { echo "not a 32-bit PE executable: $exe" >&2; exit 1; }
echo "$headers" | grep -q 'Subsystem.*(Windows GUI)' || { echo "not a GUI executable: $exe" >&2; exit 1; }

# DLLs that Windows 2000/XP do not have, and functions they lack.
denied_dlls='^(uxtheme|dwmapi|bcrypt|ucrtbase|vcruntime.*|msvcp.*|api-ms-win-.*|libwinpthread-1|libstdc\+\+-6|libgcc_s_.*)\.dll$'
denied_functions='GetTickCount64 InitializeSRWLock AcquireSRWLockExclusive AcquireSRWLockShared
ReleaseSRWLockExclusive ReleaseSRWLockShared TryAcquireSRWLockExclusive TryAcquireSRWLockShared
InitializeConditionVariable SleepConditionVariableCS SleepConditionVariableSRW WakeConditionVariable
WakeAllConditionVariable InitOnceExecuteOnce InitOnceBeginInitialize InitOnceComplete FlsAlloc FlsFree
FlsGetValue FlsSetValue GetFileInformationByHandleEx SetFileInformationByHandle CreateSymbolicLinkA
CreateSymbolicLinkW GetFinalPathNameByHandleA GetFinalPathNameByHandleW CompareStringEx LCMapStringEx
GetLocaleInfoEx GetUserDefaultLocaleName GetSystemDefaultLocaleName LocaleNameToLCID LCIDToLocaleName
CreateEventExA CreateEventExW CreateMutexExA CreateMutexExW CreateSemaphoreExA CreateSemaphoreExW
InitializeCriticalSectionEx GetThreadId QueryFullProcessImageNameA QueryFullProcessImageNameW GetErrorMode
SetThreadErrorMode GetCurrentProcessorNumber CancelIoEx GetSystemTimePreciseAsFileTime
InterlockedCompareExchange64 GetLogicalProcessorInformation SetProcessDPIAware ChangeWindowMessageFilter
AddClipboardFormatListener RegGetValueA RegGetValueW RegDeleteTreeA RegDeleteTreeW RegSetKeyValueA
RegSetKeyValueW RegDeleteKeyExA RegDeleteKeyExW TaskDialog TaskDialogIndirect LoadIconMetric
SHGetKnownFolderPath SHCreateItemFromParsingName _fstat64 _stat64 _wstat64 _fstat64i32 _stat64i32
_ftelli64 _fseeki64 _get_output_format'

imports=$(echo "$headers" | awk '
    /DLL Name:/ { dll = $3; print "DLL " dll; next }
    /^\t[ 0-9a-f]+\t +[0-9]+ / { print "FN " $NF }')
bad=$(echo "$imports" | awk '$1 == "DLL" { print $2 }' | grep -i -E "$denied_dlls" || true)
for f in $denied_functions; do
    echo "$imports" | grep -q -x "FN $f" && bad="$bad $f"
done
if [ -n "$(echo "$bad" | tr -d ' ')" ]; then
    echo "imports missing on Windows 2000/XP:$bad" >&2
    exit 1
fi
echo "$exe: 32-bit GUI executable; $(echo "$imports" | grep -c '^FN') imports, all present on Windows 2000/XP"
