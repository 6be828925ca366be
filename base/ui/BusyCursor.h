#pragma once

namespace zendal {

// The application's wait cursor as one owner sees it: set at most once however often it is
// asked for, and taken back when the owner says so or goes away.
class BusyCursor {
  public:
    BusyCursor() = default;
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    ~BusyCursor() { Set(false); }

    void Set(bool busy);

  private:
    bool busy_ = false;
};

}  // namespace zendal
