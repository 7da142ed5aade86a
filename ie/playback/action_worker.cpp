#include "playback/action_worker.h"

#include <objbase.h>
#include <windows.h>

#include <memory>

#include "com/com_ptr.h"
#include "common/trace_log.h"
#include "playback/element_actions.h"
#include "playback/playback_state.h"

namespace {

struct WorkerOrder {
  Worker worker;
  std::string kind;
  std::string text;
  ComPtr<IStream> element;  // the target, marshalled for this worker alone
};

void act(const WorkerOrder& order, IDispatch* element) {
  switch (order.worker) {
    case Worker::kClick:
      clickWorker(element, order.kind);
      break;
    case Worker::kSetText:
      setTextWorker(element, order.kind, order.text);
      break;
    case Worker::kOption:
      optionWorker(element);
      break;
    case Worker::kMouseOver:
      mouseOverWorker(element, order.kind);
      break;
  }
}

DWORD WINAPI workerMain(LPVOID parameter) {
  const std::unique_ptr<WorkerOrder> order(static_cast<WorkerOrder*>(parameter));
  try {
    CoInitialize(nullptr);
    const LARGE_INTEGER start{};
    ComPtr<IDispatch> element;
    if (FAILED(order->element->Seek(start, STREAM_SEEK_SET, nullptr)) ||
        FAILED(CoUnmarshalInterface(order->element.get(), IID_IDispatch, element.putVoid()))) {
      trace("UnMarshalling failed\n");
    }
    if (element) act(*order, element.get());
  } catch (...) {
    trace("Exception got in thread\n");
  }
  return 0;
}

}  // namespace

void startWorker(Worker worker, const std::string& kind, const std::string& text) {
  CoInitialize(nullptr);
  auto order = std::make_unique<WorkerOrder>(WorkerOrder{worker, kind, text, {}});
  const LARGE_INTEGER start{};
  const ComPtr<IDispatch> target = playbackState().targetElement;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, order->element.put())) ||
      FAILED(CoMarshalInterface(order->element.get(), IID_IDispatch, target.get(), MSHCTX_INPROC, nullptr,
                                MSHLFLAGS_NORMAL)) ||
      FAILED(order->element->Seek(start, STREAM_SEEK_SET, nullptr))) {
    trace("Marshalling the element for the worker failed\n");
    return;
  }
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, workerMain, order.get(), 0, &id);
  if (thread == nullptr) return;
  order.release();  // the worker owns it now
  SetThreadPriority(thread, THREAD_PRIORITY_LOWEST);
  CloseHandle(thread);  // workers are never joined
}
