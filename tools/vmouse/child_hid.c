/* What the HID minidriver passes down to a child: the descriptors and attributes hidclass
   asks for at start, reads that wait for input that never comes, and the feature reports,
   which the unit's simulated mouse answers. */
#include "bus.h"
#include "hid_port.h"

#define LARGEST_FEATURE 65

static NTSTATUS complete(IRP* irp, NTSTATUS status) {
  irp->IoStatus.Status = status;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return status;
}

static NTSTATUS copy_out(IRP* irp, const void* data, ULONG length) {
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  if (stack->Parameters.DeviceIoControl.OutputBufferLength < length) return STATUS_BUFFER_TOO_SMALL;
  RtlCopyMemory(irp->UserBuffer, data, length);
  irp->IoStatus.Information = length;
  return STATUS_SUCCESS;
}

static NTSTATUS device_descriptor(struct vm_child* child, IRP* irp) {
  VM_HID_DESCRIPTOR descriptor;
  RtlZeroMemory(&descriptor, sizeof descriptor);
  descriptor.bLength = sizeof descriptor;
  descriptor.bDescriptorType = 0x21;
  descriptor.bcdHID = 0x0111;
  descriptor.bNumDescriptors = 1;
  descriptor.DescriptorList[0].bReportType = 0x22;
  descriptor.DescriptorList[0].wReportLength = child->shape->descriptor_length;
  return copy_out(irp, &descriptor, sizeof descriptor);
}

static NTSTATUS attributes(struct vm_child* child, IRP* irp) {
  VM_HID_DEVICE_ATTRIBUTES found;
  RtlZeroMemory(&found, sizeof found);
  found.Size = sizeof found;
  found.VendorID = child->shape->vendor;
  found.ProductID = child->shape->product;
  found.VersionNumber = child->shape->version;
  return copy_out(irp, &found, sizeof found);
}

static NTSTATUS string(struct vm_child* child, IRP* irp) {
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  ULONG id = (ULONG)(ULONG_PTR)stack->Parameters.DeviceIoControl.Type3InputBuffer & 0xFFFF;
  wchar_t text[64];
  if (id == VM_HID_STRING_MANUFACTURER) {
    _snwprintf(text, 64, L"QV318 tests");
  } else if (id == VM_HID_STRING_PRODUCT) {
    _snwprintf(text, 64, L"Virtual HID device");
  } else if (id == VM_HID_STRING_SERIAL) {
    _snwprintf(text, 64, L"%04X", child->unit);
  } else {
    return STATUS_INVALID_PARAMETER;
  }
  return copy_out(irp, text, (ULONG)((wcslen(text) + 1) * sizeof(wchar_t)));
}

static void WINAPI cancel_read(DEVICE_OBJECT* device, IRP* irp) {
  struct vm_child* child = device->DeviceExtension;
  KIRQL irql;
  IoReleaseCancelSpinLock(irp->CancelIrql);
  KeAcquireSpinLock(&child->reads_lock, &irql);
  RemoveEntryList(&irp->Tail.Overlay.ListEntry);
  KeReleaseSpinLock(&child->reads_lock, irql);
  irp->IoStatus.Information = 0;
  complete(irp, STATUS_CANCELLED);
}

static NTSTATUS wait_for_input(struct vm_child* child, IRP* irp) {
  KIRQL irql;
  KeAcquireSpinLock(&child->reads_lock, &irql);
  if (child->gone) {
    KeReleaseSpinLock(&child->reads_lock, irql);
    return complete(irp, STATUS_DELETE_PENDING);
  }
  IoSetCancelRoutine(irp, cancel_read);
  if (irp->Cancel && IoSetCancelRoutine(irp, NULL) != NULL) {
    KeReleaseSpinLock(&child->reads_lock, irql);
    return complete(irp, STATUS_CANCELLED);
  }
  IoMarkIrpPending(irp);
  InsertTailList(&child->reads, &irp->Tail.Overlay.ListEntry);
  KeReleaseSpinLock(&child->reads_lock, irql);
  return STATUS_PENDING;
}

void vm_child_flush_reads(struct vm_child* child, NTSTATUS status) {
  for (;;) {
    IRP* irp = NULL;
    KIRQL irql;
    KeAcquireSpinLock(&child->reads_lock, &irql);
    while (irp == NULL && !IsListEmpty(&child->reads)) {
      irp = CONTAINING_RECORD(RemoveHeadList(&child->reads), IRP, Tail.Overlay.ListEntry);
      if (IoSetCancelRoutine(irp, NULL) == NULL) { /* being cancelled: its routine completes it */
        InitializeListHead(&irp->Tail.Overlay.ListEntry);
        irp = NULL;
      }
    }
    KeReleaseSpinLock(&child->reads_lock, irql);
    if (irp == NULL) return;
    irp->IoStatus.Information = 0;
    complete(irp, status);
  }
}

/* hidclass hands over the report with its id byte, or without it for a collection that has
   no report ids; anything else is a wrong length, refused as the mouse would. The unit's
   simulated mouse takes the whole report and refuses a wrong report id itself. */
static NTSTATUS feature(struct vm_child* child, IRP* irp, BOOLEAN set) {
  const struct vm_collection* shape = child->shape;
  VM_HID_XFER_PACKET* packet = irp->UserBuffer;
  struct vm_slot* slot = &child->bus->slots[child->unit - 1];
  unsigned char report[LARGEST_FEATURE];
  BOOLEAN whole;
  int ok;
  if (shape->channel == VM_NO_CHANNEL || packet == NULL) return STATUS_INVALID_PARAMETER;
  whole = packet->reportBufferLen == shape->feature_length;
  if (!whole && !(shape->report_id == 0 && packet->reportBufferLen + 1u == shape->feature_length)) {
    return STATUS_INVALID_PARAMETER;
  }
  if (whole) RtlCopyMemory(report, packet->reportBuffer, shape->feature_length);
  else RtlCopyMemory(report + 1, packet->reportBuffer, shape->feature_length - 1u);
  if (!set || !whole) report[0] = packet->reportId;
  vm_lock(child->bus);
  ok = slot->sim != NULL && !child->gone &&
       (set ? vm_unit_set_feature(slot->sim, shape->channel, report, shape->feature_length)
            : vm_unit_get_feature(slot->sim, shape->channel, report, shape->feature_length));
  vm_unlock(child->bus);
  if (!ok) return STATUS_UNSUCCESSFUL;
  if (!set) RtlCopyMemory(packet->reportBuffer, whole ? report : report + 1, packet->reportBufferLen);
  irp->IoStatus.Information = packet->reportBufferLen;
  return STATUS_SUCCESS;
}

NTSTATUS vm_child_hid_request(DEVICE_OBJECT* device, IRP* irp) {
  struct vm_child* child = device->DeviceExtension;
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  irp->IoStatus.Information = 0;
  switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case VM_IOCTL_HID_GET_DEVICE_DESCRIPTOR: return complete(irp, device_descriptor(child, irp));
    case VM_IOCTL_HID_GET_REPORT_DESCRIPTOR:
      return complete(irp, copy_out(irp, child->shape->descriptor, child->shape->descriptor_length));
    case VM_IOCTL_HID_GET_DEVICE_ATTRIBUTES: return complete(irp, attributes(child, irp));
    case VM_IOCTL_HID_GET_STRING: return complete(irp, string(child, irp));
    case VM_IOCTL_HID_READ_REPORT: return wait_for_input(child, irp);
    case VM_IOCTL_HID_GET_FEATURE: return complete(irp, feature(child, irp, FALSE));
    case VM_IOCTL_HID_SET_FEATURE: return complete(irp, feature(child, irp, TRUE));
    case VM_IOCTL_HID_ACTIVATE_DEVICE:
    case VM_IOCTL_HID_DEACTIVATE_DEVICE: return complete(irp, STATUS_SUCCESS);
    default: return complete(irp, STATUS_NOT_SUPPORTED);
  }
}
