/* A child of the bus: one HID collection of a unit, with the ids that make Wine's plug and
   play manager load the HID minidriver on it (or none, for a device that refuses opens). */
#include <initguid.h>

#include "bus.h"

DEFINE_GUID(VM_GUID_DEVINTERFACE_HID, 0x4D1E55B2, 0xF16F, 0x11CF, 0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30);

#define ID_CHARS 128

static NTSTATUS complete(IRP* irp, NTSTATUS status) {
  irp->IoStatus.Status = status;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return status;
}

/* A copy in pool memory, as the system frees it; `multi` adds the second terminator of a
   list. */
static wchar_t* pool_string(const wchar_t* text, BOOLEAN multi) {
  size_t chars = wcslen(text) + 1 + (multi ? 1 : 0);
  wchar_t* copy = ExAllocatePoolWithTag(PagedPool, chars * sizeof(wchar_t), 0x65756F4D);
  if (copy == NULL) return NULL;
  RtlCopyMemory(copy, text, (wcslen(text) + 1) * sizeof(wchar_t));
  if (multi) copy[chars - 1] = 0;
  return copy;
}

/* The device id, then the device without its interface: "VMOUSE\VID_04D9&PID_A09E". */
static wchar_t* hardware_ids(const struct vm_collection* shape) {
  wchar_t ids[2 * ID_CHARS];
  int first = _snwprintf(ids, ID_CHARS, L"%s", shape->device_id);
  int second = _snwprintf(ids + first + 1, ID_CHARS, L"VMOUSE\\VID_%04X&PID_%04X", shape->vendor, shape->product);
  ids[first + 1 + second + 1] = 0;
  wchar_t* copy = ExAllocatePoolWithTag(PagedPool, (size_t)(first + second + 3) * sizeof(wchar_t), 0x65756F4D);
  if (copy) RtlCopyMemory(copy, ids, (size_t)(first + second + 3) * sizeof(wchar_t));
  return copy;
}

static wchar_t* query_id(struct vm_child* child, BUS_QUERY_ID_TYPE type) {
  wchar_t id[ID_CHARS];
  switch (type) {
    case BusQueryDeviceID: return pool_string(child->shape->device_id, FALSE);
    case BusQueryHardwareIDs: return hardware_ids(child->shape);
    case BusQueryCompatibleIDs: return pool_string(child->shape->compatible, TRUE);
    case BusQueryInstanceID:
      _snwprintf(id, ID_CHARS, VMOUSE_INSTANCE_FORMAT, child->unit, child->index);
      return pool_string(id, FALSE);
    case BusQueryContainerID: /* one container per unit, as a USB device's interfaces share */
      _snwprintf(id, ID_CHARS, L"{564d0000-0000-4000-8000-%012x}", child->unit);
      return pool_string(id, FALSE);
    default: return NULL;
  }
}

static NTSTATUS target_relation(DEVICE_OBJECT* device, IRP* irp) {
  DEVICE_RELATIONS* relations = ExAllocatePoolWithTag(PagedPool, sizeof *relations, 0x65756F4D);
  if (relations == NULL) return STATUS_INSUFFICIENT_RESOURCES;
  ObReferenceObject(device);
  relations->Count = 1;
  relations->Objects[0] = device;
  irp->IoStatus.Information = (ULONG_PTR)relations;
  return STATUS_SUCCESS;
}

/* A refusing device has no function driver: it presents its HID interface itself, then takes
   away the link from the interface's name to the device. The system still lists the
   interface, and every open of it fails: Wine 8 opens a device whatever the driver answers
   to IRP_MJ_CREATE, so a refusal there would not reach the caller. */
static NTSTATUS start(DEVICE_OBJECT* device, struct vm_child* child) {
  NTSTATUS status;
  if (wcscmp(child->shape->compatible, L"VMOUSE\\REFUSES_OPEN") != 0) return STATUS_SUCCESS;
  status = IoRegisterDeviceInterface(device, &VM_GUID_DEVINTERFACE_HID, NULL, &child->hid_link);
  if (!NT_SUCCESS(status)) return status;
  IoSetDeviceInterfaceState(&child->hid_link, TRUE);
  IoDeleteSymbolicLink(&child->hid_link);
  return STATUS_SUCCESS;
}

/* The link comes back first, for the system takes it away as it announces the removal. */
static void stop(struct vm_child* child) {
  UNICODE_STRING name;
  if (child->hid_link.Buffer == NULL) return;
  RtlInitUnicodeString(&name, child->name);
  IoCreateSymbolicLink(&child->hid_link, &name);
  IoSetDeviceInterfaceState(&child->hid_link, FALSE);
  RtlFreeUnicodeString(&child->hid_link);
  child->hid_link.Buffer = NULL;
}

/* Removed by the system: a child no longer reported goes for good, its unit with its last. */
static NTSTATUS remove_child(DEVICE_OBJECT* device, struct vm_child* child, IRP* irp) {
  struct vm_bus* bus = child->bus;
  BOOLEAN reported;
  stop(child);
  vm_child_flush_reads(child, STATUS_DELETE_PENDING);
  complete(irp, STATUS_SUCCESS);
  vm_lock(bus);
  reported = bus->slots[child->unit - 1].plugged;
  if (!reported) {
    unsigned unit = child->unit;
    IoDeleteDevice(device);
    vm_slot_child_deleted(bus, unit);
  }
  vm_unlock(bus);
  return STATUS_SUCCESS;
}

NTSTATUS vm_child_pnp(DEVICE_OBJECT* device, IRP* irp) {
  struct vm_child* child = device->DeviceExtension;
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  NTSTATUS status = irp->IoStatus.Status;
  wchar_t* text;
  switch (stack->MinorFunction) {
    case IRP_MN_START_DEVICE: status = start(device, child); break;
    case IRP_MN_SURPRISE_REMOVAL:
      stop(child);
      vm_child_flush_reads(child, STATUS_DELETE_PENDING);
      status = STATUS_SUCCESS;
      break;
    case IRP_MN_REMOVE_DEVICE: return remove_child(device, child, irp);
    case IRP_MN_QUERY_REMOVE_DEVICE:
    case IRP_MN_CANCEL_REMOVE_DEVICE:
    case IRP_MN_QUERY_STOP_DEVICE:
    case IRP_MN_CANCEL_STOP_DEVICE:
    case IRP_MN_STOP_DEVICE: status = STATUS_SUCCESS; break;
    case IRP_MN_QUERY_ID:
      text = query_id(child, stack->Parameters.QueryId.IdType);
      if (text == NULL) break;
      irp->IoStatus.Information = (ULONG_PTR)text;
      status = STATUS_SUCCESS;
      break;
    case IRP_MN_QUERY_DEVICE_TEXT:
      if (stack->Parameters.QueryDeviceText.DeviceTextType != DeviceTextDescription) break;
      text = pool_string(L"Virtual HID device (QV318 tests)", FALSE);
      if (text == NULL) break;
      irp->IoStatus.Information = (ULONG_PTR)text;
      status = STATUS_SUCCESS;
      break;
    case IRP_MN_QUERY_CAPABILITIES: {
      DEVICE_CAPABILITIES* caps = stack->Parameters.DeviceCapabilities.Capabilities;
      caps->Removable = 1;
      caps->SilentInstall = 1;
      caps->SurpriseRemovalOK = 1;
      caps->RawDeviceOK = 1; /* a refusing device starts without a function driver */
      status = STATUS_SUCCESS;
      break;
    }
    case IRP_MN_QUERY_DEVICE_RELATIONS:
      if (stack->Parameters.QueryDeviceRelations.Type == TargetDeviceRelation) status = target_relation(device, irp);
      break;
    default: break;
  }
  return complete(irp, status);
}

NTSTATUS vm_child_create(struct vm_bus* bus, unsigned unit, unsigned index, const struct vm_collection* shape,
                         DEVICE_OBJECT** created) {
  static LONG created_count;
  wchar_t name_text[64];
  UNICODE_STRING name;
  DEVICE_OBJECT* device;
  struct vm_child* child;
  NTSTATUS status;
  /* Named, for Wine links a device interface to the device's name. */
  _snwprintf(name_text, 64, L"\\Device\\VMOUSE#%u&%u&%ld", unit, index, InterlockedIncrement(&created_count));
  RtlInitUnicodeString(&name, name_text);
  status = IoCreateDevice(bus->self->DriverObject, sizeof *child, &name, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
  if (!NT_SUCCESS(status)) return status;
  child = device->DeviceExtension;
  RtlZeroMemory(child, sizeof *child);
  child->node.is_child = TRUE;
  child->bus = bus;
  child->unit = unit;
  child->index = index;
  child->shape = shape;
  RtlCopyMemory(child->name, name_text, sizeof name_text);
  KeInitializeSpinLock(&child->reads_lock);
  InitializeListHead(&child->reads);
  device->Flags &= ~DO_DEVICE_INITIALIZING;
  *created = device;
  return STATUS_SUCCESS;
}

void vm_child_unplug(struct vm_child* child) {
  KIRQL irql;
  KeAcquireSpinLock(&child->reads_lock, &irql);
  child->gone = TRUE;
  KeReleaseSpinLock(&child->reads_lock, irql);
  vm_child_flush_reads(child, STATUS_DELETE_PENDING);
}
