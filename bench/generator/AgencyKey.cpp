#include "bench/generator/AgencyKey.h"

// Made with
//   gpg --faked-system-time 20240101T000000! --quick-gen-key "<user ID>" future-default default never
//   gpg --armor --export
// Fingerprint 2706 A47F EDB5 D027 9FF1  5AF4 EDE2 D711 8C79 2FCA.
const std::string& AgencyKeyBlock()
{
    static const std::string block = R"(-----BEGIN PGP PUBLIC KEY BLOCK-----

mDMEZZIAgBYJKwYBBAHaRw8BAQdAx6pJL6Vz7LM8kMWC+ZB9dT01B+QkHOkN2qoc
igG0Qta0O0RlcGFydG1lbnQgb2YgVHJhbnNwb3J0YXRpb24gQmlkIEtleSA8Ymlk
c0Bkb3QuZXhhbXBsZS5nb3Y+iJAEExYIADgWIQQnBqR/7bXQJ5/xWvTt4tcRjHkv
ygUCZZIAgAIbAwULCQgHAgYVCgkICwIEFgIDAQIeAQIXgAAKCRDt4tcRjHkvyoSX
AQCp2kxGfkJBFHmAtcuY1Y5ScGXXGiOGa9J2Lrpty+L0JAEAwjWTN+9Bt/9w7h2m
gI4auwDg3NywPQPdNXjNe8npNwK4OARlkgCAEgorBgEEAZdVAQUBAQdADQMhS+/W
DsPyE+KCmnV3r53CZJJQoTlr/dCG5ZUwlSkDAQgHiHgEGBYIACAWIQQnBqR/7bXQ
J5/xWvTt4tcRjHkvygUCZZIAgAIbDAAKCRDt4tcRjHkvyvwxAQD+ze3GSe06qjwV
qt5hJk38EpH+BtczyW/FmGNi9GEQywEAvlZ4BryC6nbj9dqwJ/slLqY3ul5PJgnH
QA7PFeck7AI=
=BndA
-----END PGP PUBLIC KEY BLOCK-----
)";
    return block;
}
