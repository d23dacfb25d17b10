#include "ui/win32/png_encoder.h"

#include <objbase.h>
#include <wincodec.h>

namespace ui::win32 {
namespace {

// Holds a COM interface and releases it.
template <class Interface>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  Interface* Get() const { return pointer_; }
  Interface** Out() { return &pointer_; }
  void** OutVoid() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// COM on this thread for as long as it lives, when it was not on already.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  // A thread already in another apartment still has COM.
  bool Ready() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

std::optional<std::string> Encode(const ChartPixels& pixels) {
  ComRef<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, factory.OutVoid())))
    return std::nullopt;
  ComRef<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()))) return std::nullopt;
  ComRef<IWICBitmapEncoder> encoder;
  ComRef<IWICBitmapFrameEncode> frame;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  const double dpi = static_cast<double>(pixels.dpi);
  const UINT stride = static_cast<UINT>(pixels.Stride());
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.Out(), nullptr)) ||
      FAILED(frame->Initialize(nullptr)) ||
      FAILED(frame->SetSize(static_cast<UINT>(pixels.width), static_cast<UINT>(pixels.height))) ||
      FAILED(frame->SetResolution(dpi, dpi)) || FAILED(frame->SetPixelFormat(&format)) ||
      !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) ||
      FAILED(frame->WritePixels(static_cast<UINT>(pixels.height), stride,
                                static_cast<UINT>(pixels.rows.size()),
                                const_cast<BYTE*>(pixels.rows.data()))) ||
      FAILED(frame->Commit()) || FAILED(encoder->Commit()))
    return std::nullopt;
  HGLOBAL memory = nullptr;
  if (FAILED(GetHGlobalFromStream(stream.Get(), &memory))) return std::nullopt;
  STATSTG status{};
  if (FAILED(stream->Stat(&status, STATFLAG_NONAME))) return std::nullopt;
  const auto* bytes = static_cast<const char*>(GlobalLock(memory));
  if (bytes == nullptr) return std::nullopt;
  std::string png(bytes, static_cast<size_t>(status.cbSize.QuadPart));
  GlobalUnlock(memory);
  return png;
}

}  // namespace

std::optional<std::string> EncodePng(const ChartPixels& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0) return std::nullopt;
  ComApartment apartment;
  if (!apartment.Ready()) return std::nullopt;
  return Encode(pixels);
}

}  // namespace ui::win32
