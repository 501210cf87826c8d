/* The bus device: created on the root device vmousectl installs, it presents the control
   interface vmousectl talks to and reports the units' collections as its children. */
#include "bus.h"

#include <initguid.h>

DEFINE_GUID(VMOUSE_CONTROL_GUID, 0x5A8C7D1E, 0x3B4F, 0x4C62, 0x9E, 0x17, 0x0D, 0x2B, 0x6A, 0x9F, 0x4E, 0x31);

void vm_lock(struct vm_bus* bus) {
  KIRQL irql;
  KeAcquireSpinLock(&bus->lock, &irql);
  bus->lock_irql = irql;
}

void vm_unlock(struct vm_bus* bus) { KeReleaseSpinLock(&bus->lock, bus->lock_irql); }

static NTSTATUS complete(IRP* irp, NTSTATUS status) {
  irp->IoStatus.Status = status;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return status;
}

static NTSTATUS pass_down(struct vm_bus* bus, IRP* irp) {
  IoSkipCurrentIrpStackLocation(irp);
  return IoCallDriver(bus->lower, irp);
}

/* Every child still reported, each with a reference the system releases. */
static NTSTATUS bus_relations(struct vm_bus* bus, IRP* irp) {
  DEVICE_RELATIONS* relations;
  unsigned s, c, count = 0;
  vm_lock(bus);
  for (s = 0; s < VMOUSE_UNITS; ++s) count += bus->slots[s].plugged ? bus->slots[s].child_count : 0;
  relations = ExAllocatePoolWithTag(PagedPool, FIELD_OFFSET(DEVICE_RELATIONS, Objects) + (count + 1) * sizeof(void*),
                                    0x65756F4D);
  if (relations == NULL) {
    vm_unlock(bus);
    return STATUS_INSUFFICIENT_RESOURCES;
  }
  relations->Count = 0;
  for (s = 0; s < VMOUSE_UNITS; ++s) {
    if (!bus->slots[s].plugged) continue;
    for (c = 0; c < bus->slots[s].child_count; ++c) {
      ObReferenceObject(bus->slots[s].children[c]);
      relations->Objects[relations->Count++] = bus->slots[s].children[c];
    }
  }
  vm_unlock(bus);
  irp->IoStatus.Information = (ULONG_PTR)relations;
  return STATUS_SUCCESS;
}

/* The bus goes (its root device was removed): so do all children it still holds. */
static void remove_bus(struct vm_bus* bus) {
  unsigned s, c;
  IoSetDeviceInterfaceState(&bus->control_link, FALSE);
  vm_lock(bus);
  for (s = 0; s < VMOUSE_UNITS; ++s) {
    struct vm_slot* slot = &bus->slots[s];
    for (c = 0; c < slot->child_count; ++c) {
      vm_child_unplug(slot->children[c]->DeviceExtension);
      IoDeleteDevice(slot->children[c]);
    }
    if (slot->sim) vm_unit_destroy(slot->sim);
    RtlZeroMemory(slot, sizeof *slot);
  }
  vm_unlock(bus);
}

static NTSTATUS bus_pnp(struct vm_bus* bus, IRP* irp) {
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  NTSTATUS status;
  switch (stack->MinorFunction) {
    case IRP_MN_START_DEVICE:
      IoSetDeviceInterfaceState(&bus->control_link, TRUE);
      irp->IoStatus.Status = STATUS_SUCCESS;
      break;
    case IRP_MN_QUERY_DEVICE_RELATIONS:
      if (stack->Parameters.QueryDeviceRelations.Type != BusRelations) break;
      status = bus_relations(bus, irp);
      if (!NT_SUCCESS(status)) return complete(irp, status);
      irp->IoStatus.Status = status;
      break;
    case IRP_MN_SURPRISE_REMOVAL:
    case IRP_MN_QUERY_REMOVE_DEVICE:
    case IRP_MN_CANCEL_REMOVE_DEVICE:
    case IRP_MN_QUERY_STOP_DEVICE:
    case IRP_MN_CANCEL_STOP_DEVICE:
    case IRP_MN_STOP_DEVICE:
      irp->IoStatus.Status = STATUS_SUCCESS;
      break;
    case IRP_MN_REMOVE_DEVICE: {
      DEVICE_OBJECT* lower = bus->lower;
      remove_bus(bus);
      irp->IoStatus.Status = STATUS_SUCCESS;
      IoSkipCurrentIrpStackLocation(irp);
      status = IoCallDriver(lower, irp);
      IoDetachDevice(lower);
      RtlFreeUnicodeString(&bus->control_link);
      IoDeleteDevice(bus->self);
      return status;
    }
    default:
      break;
  }
  return pass_down(bus, irp);
}

static NTSTATUS WINAPI dispatch_pnp(DEVICE_OBJECT* device, IRP* irp) {
  struct vm_node* node = device->DeviceExtension;
  return node->is_child ? vm_child_pnp(device, irp) : bus_pnp(device->DeviceExtension, irp);
}

static NTSTATUS WINAPI dispatch_power(DEVICE_OBJECT* device, IRP* irp) {
  struct vm_node* node = device->DeviceExtension;
  PoStartNextPowerIrp(irp);
  if (node->is_child) return complete(irp, STATUS_SUCCESS);
  IoSkipCurrentIrpStackLocation(irp);
  return PoCallDriver(((struct vm_bus*)node)->lower, irp);
}

/* The bus opens for vmousectl; a child is opened by nobody (a refusing child's interface
   leads nowhere, child.c), and refuses it where a system asks. */
static NTSTATUS WINAPI dispatch_create(DEVICE_OBJECT* device, IRP* irp) {
  struct vm_node* node = device->DeviceExtension;
  irp->IoStatus.Information = 0;
  return complete(irp, node->is_child ? STATUS_ACCESS_DENIED : STATUS_SUCCESS);
}

static NTSTATUS WINAPI dispatch_close(DEVICE_OBJECT* device, IRP* irp) {
  (void)device;
  irp->IoStatus.Information = 0;
  return complete(irp, STATUS_SUCCESS);
}

static NTSTATUS WINAPI dispatch_control(DEVICE_OBJECT* device, IRP* irp) {
  struct vm_node* node = device->DeviceExtension;
  irp->IoStatus.Information = 0;
  if (node->is_child) return complete(irp, STATUS_INVALID_DEVICE_REQUEST);
  return complete(irp, vm_bus_control(device->DeviceExtension, irp));
}

static NTSTATUS WINAPI dispatch_internal_control(DEVICE_OBJECT* device, IRP* irp) {
  struct vm_node* node = device->DeviceExtension;
  if (!node->is_child) return pass_down(device->DeviceExtension, irp);
  return vm_child_hid_request(device, irp);
}

static NTSTATUS WINAPI add_device(DRIVER_OBJECT* driver, DEVICE_OBJECT* root) {
  DEVICE_OBJECT* self;
  struct vm_bus* bus;
  NTSTATUS status = IoCreateDevice(driver, sizeof *bus, NULL, FILE_DEVICE_BUS_EXTENDER, 0, FALSE, &self);
  if (!NT_SUCCESS(status)) return status;
  bus = self->DeviceExtension;
  RtlZeroMemory(bus, sizeof *bus);
  bus->self = self;
  KeInitializeSpinLock(&bus->lock);
  status = IoRegisterDeviceInterface(root, &VMOUSE_CONTROL_GUID, NULL, &bus->control_link);
  if (!NT_SUCCESS(status)) {
    IoDeleteDevice(self);
    return status;
  }
  bus->lower = IoAttachDeviceToDeviceStack(self, root);
  self->Flags &= ~DO_DEVICE_INITIALIZING;
  return STATUS_SUCCESS;
}

static void WINAPI unload(DRIVER_OBJECT* driver) { (void)driver; }

NTSTATUS WINAPI DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING* registry) {
  (void)registry;
  driver->DriverExtension->AddDevice = add_device;
  driver->DriverUnload = unload;
  driver->MajorFunction[IRP_MJ_PNP] = dispatch_pnp;
  driver->MajorFunction[IRP_MJ_POWER] = dispatch_power;
  driver->MajorFunction[IRP_MJ_CREATE] = dispatch_create;
  driver->MajorFunction[IRP_MJ_CLOSE] = dispatch_close;
  driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = dispatch_control;
  driver->MajorFunction[IRP_MJ_INTERNAL_DEVICE_CONTROL] = dispatch_internal_control;
  return STATUS_SUCCESS;
}
