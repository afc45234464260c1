package android.telephony;

import android.app.PendingIntent;

public final class SmsManager {
    SmsManager() {}

    @Deprecated
    public static SmsManager getDefault() { throw new RuntimeException("Stub!"); }
    public void sendTextMessage(String destinationAddress, String scAddress, String text, PendingIntent sentIntent, PendingIntent deliveryIntent) { throw new RuntimeException("Stub!"); }
}
