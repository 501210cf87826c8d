/* The virtual HID bus: one root-enumerated bus device whose children are the HID
   collections of the units plugged into it (vmousectl). */
#pragma once
#include <ddk/wdm.h>
#include <wchar.h>

#include "collections.h"
#include "sim_unit.h"
#include "vmouse_control.h"

#define VM_MOST_CHILDREN 4 /* the mouse's four collections */

struct vm_node {
  BOOLEAN is_child;
};

/* A unit: what was plugged into one slot. Its children go when the system has removed them. */
struct vm_slot {
  unsigned kind;        /* enum vmouse_kind; VMOUSE_NONE = free */
  BOOLEAN plugged;      /* reported to the system; cleared by unplug */
  struct vm_unit* sim;  /* the mouse's firmware, null for a foreign device */
  DEVICE_OBJECT* children[VM_MOST_CHILDREN];
  unsigned child_count;
  unsigned live_children; /* not yet deleted */
};

struct vm_bus {
  struct vm_node node;
  DEVICE_OBJECT* self;
  DEVICE_OBJECT* lower; /* the root device's PDO, which this bus sits on */
  UNICODE_STRING control_link;
  /* The slots and the simulated mice. A spin lock, not a KMUTEX: Wine's KeReleaseMutex never
     releases the system mutex a waiting thread created, so a second thread that waits (the
     plug and play manager's, asking for the children while a transfer holds the lock) waits
     for good. Never taken twice by one thread. */
  KSPIN_LOCK lock;
  KIRQL lock_irql;
  struct vm_slot slots[VMOUSE_UNITS];
};

struct vm_child {
  struct vm_node node;
  struct vm_bus* bus;
  unsigned unit; /* 1.. */
  unsigned index;
  const struct vm_collection* shape;
  wchar_t name[64];         /* the device's own name */
  UNICODE_STRING hid_link; /* the interface a refusing device presents itself */
  KSPIN_LOCK reads_lock;
  LIST_ENTRY reads; /* IOCTL_HID_READ_REPORT requests: no input ever comes */
  BOOLEAN gone;     /* unplugged: every request fails */
};

void vm_lock(struct vm_bus* bus);
void vm_unlock(struct vm_bus* bus);

/* child.c */
NTSTATUS vm_child_create(struct vm_bus* bus, unsigned unit, unsigned index, const struct vm_collection* shape,
                         DEVICE_OBJECT** child);
NTSTATUS vm_child_pnp(DEVICE_OBJECT* device, IRP* irp);
/* Fails every pending and later request: the unit was pulled out. */
void vm_child_unplug(struct vm_child* child);

/* child_hid.c: the HID minidriver's requests, passed down to the child. */
NTSTATUS vm_child_hid_request(DEVICE_OBJECT* device, IRP* irp);
void vm_child_flush_reads(struct vm_child* child, NTSTATUS status);

/* control.c: vmousectl's requests to the bus. */
NTSTATUS vm_bus_control(struct vm_bus* bus, IRP* irp);
/* A child is deleted: its unit goes with its last child. Called with the lock held. */
void vm_slot_child_deleted(struct vm_bus* bus, unsigned unit);
