#pragma once
// The HKEY_CURRENT_USER part of the registry that the hardware controls use,
// with the calls' usual arguments and result codes. The store is a text file
// (see store_file.h); every call reads it afresh, every change is written
// through at once, so other processes see it.
//
// Key and value names are UTF-8 without line breaks; the calls that take a
// key path or write a value refuse others with ERROR_INVALID_PARAMETER.
//
// Access rights are checked as the registry checks them: queries need
// KEY_QUERY_VALUE, enumeration KEY_ENUMERATE_SUB_KEYS, setting and deleting
// values KEY_SET_VALUE; creating a subkey below a handle opened for reading
// works, as the controls' first use of the store relies on. Only REG_DWORD values can be set here;
// values of the other types in the file are read and kept as they are.
//
// Beyond the registry's own codes: ERROR_BADDB when the file is malformed,
// ERROR_LOCK_VIOLATION when another writer holds the store too long,
// ERROR_READ_FAULT / ERROR_WRITE_FAULT when the file cannot be read or
// written. lastStoreError() then says what went wrong, with the file's line.

#include <cstdint>
#include <string>

#include "platform/winreg/types.h"

namespace brennix::winreg {

inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001U});

LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey, DWORD ulOptions, REGSAM samDesired,
                   PHKEY phkResult);

// lpdwDisposition receives REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY.
LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, DWORD Reserved, char* lpClass,
                     DWORD dwOptions, REGSAM samDesired, const void* lpSecurityAttributes,
                     PHKEY phkResult, DWORD* lpdwDisposition);

LONG RegQueryInfoKeyA(HKEY hKey, char* lpClass, DWORD* lpcchClass, DWORD* lpReserved,
                      DWORD* lpcSubKeys, DWORD* lpcbMaxSubKeyLen, DWORD* lpcbMaxClassLen,
                      DWORD* lpcValues, DWORD* lpcbMaxValueNameLen, DWORD* lpcbMaxValueLen,
                      DWORD* lpcbSecurityDescriptor, FILETIME* lpftLastWriteTime);

// Subkeys come in the registry's order: names compared upper-cased.
LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, char* lpName, DWORD* lpcchName, DWORD* lpReserved,
                   char* lpClass, DWORD* lpcchClass, FILETIME* lpftLastWriteTime);

LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType,
                      BYTE* lpData, DWORD* lpcbData);

LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD Reserved, DWORD dwType,
                    const BYTE* lpData, DWORD cbData);

// Sets a REG_SZ value; RegSetValueExA sets only REG_DWORD. Text with a line
// break or a NUL, or that is not UTF-8, cannot be kept in the store's lines
// and is refused (ERROR_INVALID_PARAMETER). An equal value is not written again.
LONG RegSetStringValueA(HKEY hKey, const char* lpValueName, const char* lpText);

LONG RegDeleteValueA(HKEY hKey, const char* lpValueName);

// Refuses a key that has subkeys (ERROR_ACCESS_DENIED), as the registry does.
LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey);

// Deletes the key with everything below it; without a subkey name, empties hKey.
LONG RegDeleteTreeA(HKEY hKey, const char* lpSubKey);

LONG RegCloseKey(HKEY hKey);

// Why the last failing call on this thread failed, when the store was to
// blame; empty otherwise.
std::string lastStoreError();

}  // namespace brennix::winreg
