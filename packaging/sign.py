"""Authenticode-signs one file of a release in place, with osslsigncode.

    sign.py FILE [--pkcs12 PFX | --pkcs11-module SO --pkcs11-cert URI [--pkcs11-key URI]]
            [--password-file PATH] [--timestamp-url URL] [--clear PATH ...]

Run by the build for Kalvio.exe and by makensis for the uninstaller and the
installer (Signing.cmake). The password is read by osslsigncode from its file,
never passed here. Any failure removes FILE and the --clear paths (the
downloads), so that nothing unsigned or half-signed is left to publish, and
ends with one line saying why.
"""
import argparse
import os
import re
import subprocess
import sys

PROGRAM = "Kalvio"
ADDRESS = "http://kalvio.example"
# A server that takes the connection and never answers would hold the build for good.
TIMEOUT = 120

# osslsigncode's own words for the failures a release maker meets, and ours.
REASONS = [
    (r"Wrong password|mac verify failure", "wrong password (KALVIO_SIGN_PASSWORD_FILE) for the certificate"),
    (r"[Tt]imestamp", "the time-stamp server did not answer (KALVIO_SIGN_TIMESTAMP_URL)"),
    (r"PKCS#?11|[Ee]ngine|module", "the token or its PKCS#11 module is not there (KALVIO_SIGN_PKCS11_*)"),
    (r"No such file|[Cc]annot open|Failed to read", "a certificate or password file cannot be read"),
]


class Failure(Exception):
    pass


def run(command):
    try:
        done = subprocess.run(command, capture_output=True, text=True, errors="replace", timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        return 1, f"no answer in {TIMEOUT} s from the time-stamp server or the token"
    return done.returncode, done.stdout + done.stderr


def signing_arguments(options):
    if options.pkcs12:
        found = ["-pkcs12", options.pkcs12]
    else:
        key = options.pkcs11_key or options.pkcs11_cert
        found = ["-pkcs11module", options.pkcs11_module, "-pkcs11cert", options.pkcs11_cert, "-key", key]
    if options.password_file:
        found += ["-readpass", options.password_file]
    if options.timestamp_url:
        found += ["-ts", options.timestamp_url]
    return found + ["-h", "sha256", "-n", PROGRAM, "-i", ADDRESS]


def check_not_expired(signed):
    """Every certificate the signature carries must still be valid: osslsigncode signs with an expired one."""
    chain = signed + ".p7"
    failed, pem = run(["osslsigncode", "extract-signature", "-pem", "-in", signed, "-out", chain])
    if not failed:
        failed, pem = run(["openssl", "pkcs7", "-print_certs", "-in", chain])
        os.remove(chain)
    certificates = re.findall(r"-----BEGIN CERTIFICATE-----.*?-----END CERTIFICATE-----", pem, re.S)
    if failed or not certificates:
        raise Failure("cannot read the certificates back from the signature")
    for certificate in certificates:
        done = subprocess.run(["openssl", "x509", "-noout", "-subject", "-checkend", "0"],
                              input=certificate, capture_output=True, text=True)
        if done.returncode:
            raise Failure("the certificate has expired: " + done.stdout.splitlines()[0])


def sign(path, options):
    signed = path + ".signing"
    failed, output = run(["osslsigncode", "sign", *signing_arguments(options), "-in", path, "-out", signed])
    if failed:
        reason = next((why for pattern, why in REASONS if re.search(pattern, output)), None)
        raise Failure(reason or (output.strip().splitlines() or ["osslsigncode failed"])[-1])
    try:
        check_not_expired(signed)
    except Failure:
        os.remove(signed)
        raise
    os.replace(signed, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("file")
    for name in ("pkcs12", "pkcs11-module", "pkcs11-cert", "pkcs11-key", "password-file", "timestamp-url"):
        parser.add_argument("--" + name)
    parser.add_argument("--clear", nargs="*", default=[])
    options = parser.parse_args()
    try:
        sign(options.file, options)
    except (Failure, OSError) as failure:
        for path in [options.file, *options.clear]:
            if os.path.exists(path):
                os.remove(path)
        sys.exit(f"Signing {os.path.basename(options.file)} failed: {failure}")


if __name__ == "__main__":
    main()
