/* The HID minidriver interface of hidclass.sys (the DDK's hidport.h, which MinGW lacks):
   the registration, the device extension hidclass hands a minidriver, the internal IOCTLs
   a minidriver answers and the records they carry. */
#pragma once
#include <ddk/wdm.h>

#define VM_HID_REVISION 1

typedef struct {
  ULONG Revision;
  PDRIVER_OBJECT DriverObject;
  PUNICODE_STRING RegistryPath;
  ULONG DeviceExtensionSize;
  BOOLEAN DevicesArePolled;
  UCHAR Reserved[3];
} VM_HID_MINIDRIVER_REGISTRATION;

typedef struct {
  PDEVICE_OBJECT PhysicalDeviceObject;
  PDEVICE_OBJECT NextDeviceObject;
  PVOID MiniDeviceExtension;
} VM_HID_DEVICE_EXTENSION;

NTSTATUS NTAPI HidRegisterMinidriver(VM_HID_MINIDRIVER_REGISTRATION* registration);

/* CTL_CODE(FILE_DEVICE_KEYBOARD, id, method, FILE_ANY_ACCESS) */
#define VM_HID_CODE(id, method) ((0x0Bu << 16) | ((id) << 2) | (method))
#define VM_IOCTL_HID_GET_DEVICE_DESCRIPTOR VM_HID_CODE(0, 3)
#define VM_IOCTL_HID_GET_REPORT_DESCRIPTOR VM_HID_CODE(1, 3)
#define VM_IOCTL_HID_READ_REPORT VM_HID_CODE(2, 3)
#define VM_IOCTL_HID_WRITE_REPORT VM_HID_CODE(3, 3)
#define VM_IOCTL_HID_GET_STRING VM_HID_CODE(4, 3)
#define VM_IOCTL_HID_ACTIVATE_DEVICE VM_HID_CODE(7, 3)
#define VM_IOCTL_HID_DEACTIVATE_DEVICE VM_HID_CODE(8, 3)
#define VM_IOCTL_HID_GET_DEVICE_ATTRIBUTES VM_HID_CODE(9, 3)
#define VM_IOCTL_HID_SET_FEATURE VM_HID_CODE(100, 1)
#define VM_IOCTL_HID_GET_FEATURE VM_HID_CODE(100, 2)

#define VM_HID_STRING_MANUFACTURER 14
#define VM_HID_STRING_PRODUCT 15
#define VM_HID_STRING_SERIAL 16

#include <pshpack1.h>
typedef struct {
  UCHAR bLength;
  UCHAR bDescriptorType; /* 0x21 */
  USHORT bcdHID;
  UCHAR bCountry;
  UCHAR bNumDescriptors;
  struct {
    UCHAR bReportType; /* 0x22 */
    USHORT wReportLength;
  } DescriptorList[1];
} VM_HID_DESCRIPTOR;
#include <poppack.h>

typedef struct {
  ULONG Size;
  USHORT VendorID;
  USHORT ProductID;
  USHORT VersionNumber;
  USHORT Reserved[11];
} VM_HID_DEVICE_ATTRIBUTES;

typedef struct {
  PUCHAR reportBuffer;
  ULONG reportBufferLen;
  UCHAR reportId;
} VM_HID_XFER_PACKET;
