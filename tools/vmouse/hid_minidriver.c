/* The HID minidriver of the bus's children: it registers with hidclass.sys and passes every
   request down to the child, which answers it (child_hid.c). Wine's own winehid.sys does the
   same for winebus.sys. */
#include "hid_port.h"

static NTSTATUS pass_down(DEVICE_OBJECT* device, IRP* irp) {
  VM_HID_DEVICE_EXTENSION* ext = device->DeviceExtension;
  IoSkipCurrentIrpStackLocation(irp);
  return IoCallDriver(ext->NextDeviceObject, irp);
}

static NTSTATUS WINAPI dispatch(DEVICE_OBJECT* device, IRP* irp) { return pass_down(device, irp); }

static NTSTATUS WINAPI dispatch_power(DEVICE_OBJECT* device, IRP* irp) {
  VM_HID_DEVICE_EXTENSION* ext = device->DeviceExtension;
  PoStartNextPowerIrp(irp);
  IoSkipCurrentIrpStackLocation(irp);
  return PoCallDriver(ext->NextDeviceObject, irp);
}

static NTSTATUS WINAPI add_device(DRIVER_OBJECT* driver, DEVICE_OBJECT* fdo) {
  (void)driver;
  fdo->Flags &= ~DO_DEVICE_INITIALIZING;
  return STATUS_SUCCESS;
}

static void WINAPI unload(DRIVER_OBJECT* driver) { (void)driver; }

NTSTATUS WINAPI DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING* registry) {
  VM_HID_MINIDRIVER_REGISTRATION registration;
  RtlZeroMemory(&registration, sizeof registration);
  driver->DriverExtension->AddDevice = add_device;
  driver->DriverUnload = unload;
  driver->MajorFunction[IRP_MJ_PNP] = dispatch;
  driver->MajorFunction[IRP_MJ_POWER] = dispatch_power;
  driver->MajorFunction[IRP_MJ_INTERNAL_DEVICE_CONTROL] = dispatch;
  registration.Revision = VM_HID_REVISION;
  registration.DriverObject = driver;
  registration.RegistryPath = registry;
  registration.DevicesArePolled = FALSE;
  return HidRegisterMinidriver(&registration);
}
