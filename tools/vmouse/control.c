/* vmousectl's requests: plug a unit into a free slot, pull one out, list them. Each change
   is announced to the plug and play manager, which then asks for the bus's children. */
#include "bus.h"

static struct vm_slot* slot_of(struct vm_bus* bus, unsigned unit) {
  return unit >= 1 && unit <= VMOUSE_UNITS ? &bus->slots[unit - 1] : NULL;
}

static void delete_children(struct vm_slot* slot) {
  while (slot->child_count > 0) IoDeleteDevice(slot->children[--slot->child_count]);
}

static NTSTATUS fill_slot(struct vm_bus* bus, struct vm_slot* slot, const struct vmouse_plug* request) {
  unsigned count, i;
  const struct vm_collection* shapes = vm_collections(request->kind, &count);
  NTSTATUS status;
  if (shapes == NULL) return STATUS_INVALID_PARAMETER;
  for (i = 0; i < count; ++i) {
    status = vm_child_create(bus, request->unit, i, &shapes[i], &slot->children[i]);
    if (!NT_SUCCESS(status)) {
      delete_children(slot);
      return status;
    }
    slot->child_count = i + 1;
  }
  if (request->kind == VMOUSE_MOUSE) {
    slot->sim = vm_unit_create(request->memory, request->log);
    if (slot->sim == NULL) {
      delete_children(slot);
      return STATUS_INSUFFICIENT_RESOURCES;
    }
  }
  slot->kind = request->kind;
  slot->live_children = slot->child_count;
  slot->plugged = TRUE;
  return STATUS_SUCCESS;
}

static NTSTATUS plug(struct vm_bus* bus, const struct vmouse_plug* request) {
  struct vm_slot* slot = slot_of(bus, request->unit);
  NTSTATUS status;
  if (slot == NULL) return STATUS_INVALID_PARAMETER;
  vm_lock(bus);
  /* A unit still being removed keeps its slot until its last child is gone. */
  status = slot->kind != VMOUSE_NONE ? STATUS_DEVICE_BUSY : fill_slot(bus, slot, request);
  vm_unlock(bus);
  if (NT_SUCCESS(status)) IoInvalidateDeviceRelations(bus->lower, BusRelations);
  return status;
}

static NTSTATUS unplug(struct vm_bus* bus, unsigned unit) {
  struct vm_slot* slot = slot_of(bus, unit);
  unsigned i;
  if (slot == NULL) return STATUS_INVALID_PARAMETER;
  vm_lock(bus);
  if (!slot->plugged) {
    vm_unlock(bus);
    return STATUS_NO_SUCH_DEVICE;
  }
  slot->plugged = FALSE;
  if (slot->sim) vm_unit_unplug(slot->sim);
  for (i = 0; i < slot->child_count; ++i) vm_child_unplug(slot->children[i]->DeviceExtension);
  vm_unlock(bus);
  IoInvalidateDeviceRelations(bus->lower, BusRelations);
  return STATUS_SUCCESS;
}

void vm_slot_child_deleted(struct vm_bus* bus, unsigned unit) {
  struct vm_slot* slot = slot_of(bus, unit);
  if (slot == NULL || --slot->live_children > 0) return;
  if (slot->sim) vm_unit_destroy(slot->sim);
  RtlZeroMemory(slot, sizeof *slot);
}

static NTSTATUS list(struct vm_bus* bus, IRP* irp, ULONG length) {
  struct vmouse_list* out = irp->AssociatedIrp.SystemBuffer;
  unsigned s;
  if (length < sizeof *out) return STATUS_BUFFER_TOO_SMALL;
  vm_lock(bus);
  for (s = 0; s < VMOUSE_UNITS; ++s) out->kind[s] = bus->slots[s].plugged ? bus->slots[s].kind : VMOUSE_NONE;
  vm_unlock(bus);
  irp->IoStatus.Information = sizeof *out;
  return STATUS_SUCCESS;
}

NTSTATUS vm_bus_control(struct vm_bus* bus, IRP* irp) {
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  ULONG in = stack->Parameters.DeviceIoControl.InputBufferLength;
  const void* input = irp->AssociatedIrp.SystemBuffer;
  switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case IOCTL_VMOUSE_PLUG:
      return in < sizeof(struct vmouse_plug) ? STATUS_INVALID_PARAMETER : plug(bus, input);
    case IOCTL_VMOUSE_UNPLUG:
      return in < sizeof(struct vmouse_unplug) ? STATUS_INVALID_PARAMETER
                                                 : unplug(bus, ((const struct vmouse_unplug*)input)->unit);
    case IOCTL_VMOUSE_LIST: return list(bus, irp, stack->Parameters.DeviceIoControl.OutputBufferLength);
    default: return STATUS_INVALID_DEVICE_REQUEST;
  }
}
