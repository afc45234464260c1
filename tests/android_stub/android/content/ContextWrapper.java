package android.content;

import android.content.res.AssetManager;
import android.content.res.Resources;

public class ContextWrapper extends Context {
    public ContextWrapper(Context base) { throw new RuntimeException("Stub!"); }

    public AssetManager getAssets() { throw new RuntimeException("Stub!"); }
    public Resources getResources() { throw new RuntimeException("Stub!"); }
    public Context getApplicationContext() { throw new RuntimeException("Stub!"); }
    public SharedPreferences getSharedPreferences(String name, int mode) { throw new RuntimeException("Stub!"); }
    public void startActivity(Intent intent) { throw new RuntimeException("Stub!"); }
    public Intent registerReceiver(BroadcastReceiver receiver, IntentFilter filter) { throw new RuntimeException("Stub!"); }
    public Object getSystemService(String name) { throw new RuntimeException("Stub!"); }
}
