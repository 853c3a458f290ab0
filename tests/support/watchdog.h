#pragma once
// Ends the test program when a piece of it does not finish in time: a window stuck for
// good would otherwise stop the whole run instead of failing one case.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

class Hlidac {
public:
    Hlidac(int sekund, std::string co)
        : vlakno_([this, sekund, co = std::move(co)] {
              const auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(sekund);
              while (!hotovo_ && std::chrono::steady_clock::now() < konec)
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              if (!hotovo_) {
                  std::cerr << "HANG: " << co << " (no end after " << sekund << " s)" << std::endl;
                  std::_Exit(3);
              }
          })
    {
    }
    ~Hlidac()
    {
        hotovo_ = true;
        vlakno_.join();
    }
    Hlidac(const Hlidac&) = delete;
    Hlidac& operator=(const Hlidac&) = delete;

private:
    std::atomic<bool> hotovo_{false};
    std::thread vlakno_;
};
