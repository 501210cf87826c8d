/* Pool memory, whole files and a millisecond clock for the simulated mouse (sim_unit.h). */
#include <ddk/wdm.h>
#include <wchar.h>

#include "sim_unit.h"
#include "vmouse_control.h"

#define POOL_TAG 0x65756F4D /* "Moue" */

/* Exported by Wine's ntoskrnl (it asks the system's clock); the kernel headers have it only as
   an inline that reads the shared data page, which Wine does not keep current for drivers. */
__declspec(dllimport) void NTAPI vm_system_time(LARGE_INTEGER* time) __asm__("KeQuerySystemTime");

void* vm_alloc(size_t size) { return ExAllocatePoolWithTag(NonPagedPool, size ? size : 1, POOL_TAG); }

void vm_free(void* block) {
  if (block) ExFreePoolWithTag(block, POOL_TAG);
}

unsigned long long vm_milliseconds(void) {
  LARGE_INTEGER now;
  vm_system_time(&now);
  return (unsigned long long)now.QuadPart / 10000;
}

/* "C:\x" as the NT path "\??\C:\x". */
static NTSTATUS open_file(const wchar_t* path, ACCESS_MASK access, ULONG disposition, HANDLE* file) {
  wchar_t nt_path[8 + VMOUSE_PATH_CHARS];
  UNICODE_STRING name;
  OBJECT_ATTRIBUTES attributes;
  IO_STATUS_BLOCK io;
  if (_snwprintf(nt_path, sizeof nt_path / sizeof nt_path[0], L"\\??\\%s", path) < 0) return STATUS_NAME_TOO_LONG;
  RtlInitUnicodeString(&name, nt_path);
  InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
  return ZwCreateFile(file, access | SYNCHRONIZE, &attributes, &io, NULL, FILE_ATTRIBUTE_NORMAL,
                      FILE_SHARE_READ | FILE_SHARE_WRITE, disposition,
                      FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE, NULL, 0);
}

int vm_file_read(const wchar_t* path, unsigned char* buffer, unsigned long capacity, unsigned long* read) {
  HANDLE file;
  IO_STATUS_BLOCK io;
  NTSTATUS status;
  *read = 0;
  if (!NT_SUCCESS(open_file(path, GENERIC_READ, FILE_OPEN, &file))) return 0;
  while (*read < capacity) {
    status = ZwReadFile(file, NULL, NULL, NULL, &io, buffer + *read, capacity - *read, NULL, NULL);
    if (!NT_SUCCESS(status) || io.Information == 0) break;
    *read += (unsigned long)io.Information;
  }
  ZwClose(file);
  return 1;
}

static int write_file(const wchar_t* path, ACCESS_MASK access, ULONG disposition, const void* data,
                      unsigned long length) {
  HANDLE file;
  IO_STATUS_BLOCK io;
  NTSTATUS status;
  if (!NT_SUCCESS(open_file(path, access, disposition, &file))) return 0;
  status = ZwWriteFile(file, NULL, NULL, NULL, &io, (void*)data, length, NULL, NULL);
  ZwClose(file);
  return NT_SUCCESS(status) && io.Information == length;
}

/* Moves `from` over `to` in one step (FileRenameInformation, whose structure ntifs.h declares
   with much that clashes with wdm.h). */
typedef struct {
  BOOLEAN ReplaceIfExists;
  HANDLE RootDirectory;
  ULONG FileNameLength;
  WCHAR FileName[8 + VMOUSE_PATH_CHARS];
} rename_information;

static int move_over(const wchar_t* from, const wchar_t* to) {
  HANDLE file;
  IO_STATUS_BLOCK io;
  NTSTATUS status;
  rename_information* rename = vm_alloc(sizeof *rename);
  int chars;
  if (!rename) return 0;
  RtlZeroMemory(rename, sizeof *rename);
  rename->ReplaceIfExists = TRUE;
  chars = _snwprintf(rename->FileName, sizeof rename->FileName / sizeof rename->FileName[0], L"\\??\\%s", to);
  if (chars < 0 || !NT_SUCCESS(open_file(from, DELETE, FILE_OPEN, &file))) {
    vm_free(rename);
    return 0;
  }
  rename->FileNameLength = (ULONG)chars * sizeof(WCHAR);
  status = ZwSetInformationFile(file, &io, rename, sizeof *rename, FileRenameInformation);
  ZwClose(file);
  vm_free(rename);
  return NT_SUCCESS(status);
}

/* Written beside and moved over the old file, so that a reader (a test, the command line)
   never sees it half written. Wine refuses to move over a file that another program holds
   open: then it is written in place. */
int vm_file_replace(const wchar_t* path, const void* data, unsigned long length) {
  wchar_t fresh[8 + VMOUSE_PATH_CHARS];
  if (_snwprintf(fresh, sizeof fresh / sizeof fresh[0], L"%s.new", path) < 0) return 0;
  if (write_file(fresh, GENERIC_WRITE, FILE_OVERWRITE_IF, data, length) && move_over(fresh, path)) return 1;
  return write_file(path, GENERIC_WRITE, FILE_OVERWRITE_IF, data, length);
}

int vm_file_append(const wchar_t* path, const void* data, unsigned long length) {
  return write_file(path, FILE_APPEND_DATA, FILE_OPEN_IF, data, length);
}
