/* The simulated mouse of the core (device/sim_mouse.h) as the virtual mouse's firmware: a C
   interface for the bus driver. */
#pragma once
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

struct vm_unit;

/* Loads the memory from `memory` (a 322-byte file, else the default memory) and logs every
   transfer into `log`; both are DOS paths. Null when out of memory. */
struct vm_unit* vm_unit_create(const wchar_t* memory, const wchar_t* log);
void vm_unit_destroy(struct vm_unit* unit);
/* From now on every transfer fails, as on a mouse pulled out. */
void vm_unit_unplug(struct vm_unit* unit);
/* One feature transfer on a channel (VM_DATA_CHANNEL, VM_COMMAND_CHANNEL) with the whole
   report, id byte first. Nonzero when the mouse took or answered it. */
int vm_unit_set_feature(struct vm_unit* unit, int channel, const unsigned char* report, size_t length);
int vm_unit_get_feature(struct vm_unit* unit, int channel, unsigned char* report, size_t length);

/* What the unit needs from the kernel side (kernel_services.c). */
void* vm_alloc(size_t size);
void vm_free(void* block);
/* Whole files by DOS path; nonzero on success. */
int vm_file_read(const wchar_t* path, unsigned char* buffer, unsigned long capacity, unsigned long* read);
int vm_file_replace(const wchar_t* path, const void* data, unsigned long length);
int vm_file_append(const wchar_t* path, const void* data, unsigned long length);
unsigned long long vm_milliseconds(void);

#ifdef __cplusplus
}
#endif
