// The serial link to the instrument: one object per connection.
#pragma once

class CSerial {
public:
  CSerial() = default;
  virtual ~CSerial() = default;
  CSerial(const CSerial&) = delete;
  CSerial& operator=(const CSerial&) = delete;

  // Closes the port and waits for the receiver thread to stop. Safe when not open.
  int Close();
};
